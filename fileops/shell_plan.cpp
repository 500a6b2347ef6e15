#include "fileops/shell_plan.h"

#include "app/sjis.h"
#include "app/wide_escape.h"

ShellPlan DeletePlan(std::vector<std::string> paths, bool permanently) {
    ShellPlan plan;
    plan.Function = ShellFunction::Delete;
    plan.Sources = std::move(paths);
    plan.Flags = permanently ? kShellSilent : kShellAllowUndo | kShellSilent;
    return plan;
}

bool NamesOneFileEach(const ShellPlan& plan) {
    for (const auto* list : {&plan.Sources, &plan.Destinations})
        for (const std::string& path : *list)
            if (!wide::NamesOneFile(path)) return false;
    return true;
}

std::string DoubleNulList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        list += name;
        list.push_back('\0');
    }
    // An empty list is still two NULs.
    if (list.empty()) list.push_back('\0');
    list.push_back('\0');
    return list;
}

std::string LastName(std::string_view path) {
    if (sjis::EndsWithBackslash(path)) path.remove_suffix(1);
    std::size_t separator = sjis::LastSeparator(path);
    return std::string(separator == sjis::npos ? path : path.substr(separator + 1));
}

bool IsMultiMoveIntoFolder(const ShellPlan& plan) {
    return plan.Function == ShellFunction::Move && plan.Sources.size() >= 2 &&
           plan.Destinations.size() == 1 && !(plan.Flags & kShellMultiDestFiles);
}

ShellPlan OneTargetPerSource(const ShellPlan& plan) {
    ShellPlan out;
    out.Function = plan.Function;
    out.Flags = plan.Flags | kShellMultiDestFiles;
    std::string folder = plan.Destinations.empty() ? std::string() : plan.Destinations.front();
    if (!folder.empty() && !sjis::EndsWithBackslash(folder)) folder.push_back('\\');
    for (const std::string& source : plan.Sources) {
        if (source.empty()) continue;
        out.Sources.push_back(source);
        out.Destinations.push_back(folder + LastName(source));
    }
    return out;
}
