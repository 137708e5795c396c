#include "tests/support/hostile_files.h"

#include <cstdint>
#include <vector>

namespace lumaskin::test {

namespace {

void Put16(std::string &out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string &out, std::uint32_t value)
{
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::string NestedFormsPdf(int depth)
{
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R "
        "/Resources << /XObject << /F 5 0 R >> >> >>",
        "<< /Length 5 >>\nstream\n/F Do\nendstream",
    };
    for (int level = 0; level < depth; ++level) {
        const int number = 5 + level;
        std::string body, resources;
        if (level + 1 < depth) {
            for (int i = 0; i < 10; ++i)
                body += "q 1 0 0 1 " + std::to_string(i % 3) + " 0 cm /F Do Q ";
            resources = "/Resources << /XObject << /F " + std::to_string(number + 1) + " 0 R >> >>";
        } else {
            body = "0 0 1 rg 10 10 180 180 re f";
        }
        objects.push_back("<< /Type /XObject /Subtype /Form /BBox [0 0 200 200] " + resources +
                          " /Length " + std::to_string(body.size()) + " >>\nstream\n" + body +
                          "\nendstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        std::string number = std::to_string(offset);
        pdf += std::string(10 - number.size(), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

std::string CheckerboardBmp(int width, int height, int cell)
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t size = stride * static_cast<std::uint32_t>(height);
    std::string bmp = "BM";
    Put32(bmp, 54 + size);
    Put32(bmp, 0);
    Put32(bmp, 54);
    Put32(bmp, 40);
    Put32(bmp, static_cast<std::uint32_t>(width));
    Put32(bmp, static_cast<std::uint32_t>(-height)); // top-down
    Put16(bmp, 1);
    Put16(bmp, 24);
    for (int i = 0; i < 6; ++i)
        Put32(bmp, i == 1 ? size : 0);
    std::string row(stride, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool key = (x / cell + y / cell) % 2 == 1;
            // Blue, green, red.
            row[3 * x] = key ? '\xFF' : '\x20';
            row[3 * x + 1] = key ? '\x00' : '\x30';
            row[3 * x + 2] = key ? '\xFF' : '\x40';
        }
        bmp += row;
    }
    return bmp;
}

} // namespace lumaskin::test
