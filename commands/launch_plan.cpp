#include "commands/launch_plan.h"

LaunchPlan ExecPlan(const std::string& program, const std::string& folder) {
    LaunchPlan plan;
    plan.Call = LaunchCall::Exec;
    const bool quote = program.find(' ') != std::string::npos &&
                       !(program.size() >= 2 && program.front() == '"' && program.back() == '"');
    plan.Program = quote ? '"' + program + '"' : program;
    plan.Folder = folder;
    plan.Show = kShowShow;
    return plan;
}

LaunchPlan OpenPlan(const std::string& file, const std::string& parameters,
                    const std::string& folder) {
    LaunchPlan plan;
    plan.Program = file;
    plan.Parameters = parameters;
    plan.Folder = folder;
    plan.Verb = "open";
    plan.Show = kShowDefault;
    plan.Mask = kLaunchNoUi;
    return plan;
}

LaunchPlan PropertiesPlan(const std::string& path) {
    LaunchPlan plan;
    plan.Program = path;
    plan.Verb = "Properties";
    plan.Show = kShowHide;
    plan.Mask = kLaunchInvokeIdList;
    return plan;
}

LaunchPlan FindPlan(const std::string& folder) {
    LaunchPlan plan;
    plan.Folder = folder;
    plan.Verb = "find";
    plan.Show = kShowDefault;
    plan.Mask = kLaunchNoUi;
    return plan;
}
