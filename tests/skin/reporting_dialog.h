#pragma once

#include "skin/skin_dialog.h"

#include <string>
#include <vector>

namespace lumaskin::test {

// A skinned dialog that keeps what it would tell the user, in order: the reasons a package
// cannot be used, "retry?" for a package without its central directory and "replace NAME?"
// before an installed package is replaced. Both questions get `answer`.
class ReportingDialog : public SkinDialog
{
public:
    std::vector<std::string> told;
    bool answer = false;

protected:
    void ShowSkinProblem(const QString &reason) override { told.push_back(reason.toStdString()); }
    bool RetryOpeningPackage() override
    {
        told.push_back("retry?");
        return answer;
    }
    bool ReplaceInstalledPackage(const QString &fileName) override
    {
        told.push_back("replace " + fileName.toStdString() + "?");
        return answer;
    }
};

} // namespace lumaskin::test
