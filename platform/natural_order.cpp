#include "platform/natural_order.h"

namespace lumaskin {

namespace {

// The run of digits at `at`, without leading zeros.
QStringView DigitRun(QStringView text, qsizetype &at)
{
    const qsizetype start = at;
    while (at < text.size() && text[at].isDigit())
        ++at;
    QStringView run = text.mid(start, at - start);
    while (run.size() > 1 && run.front() == u'0')
        run = run.mid(1);
    return run;
}

} // namespace

bool NaturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = DigitRun(a, i);
            const QStringView y = DigitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int order = x.compare(y); order != 0)
                return order < 0;
            continue;
        }
        const QChar x = a[i].toCaseFolded();
        const QChar y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}

} // namespace lumaskin
