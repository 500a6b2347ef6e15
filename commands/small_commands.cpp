#include "commands/small_commands.h"

#include <array>

#include "commands/command_template.h"

std::string HelpFilePath(std::string_view settingsPath) {
    return ProgramFolder(settingsPath) + "readme.txt";
}

std::string FindStartFolder(std::string_view currentFolder, std::string_view firstSelectedFolder) {
    return std::string(currentFolder) + std::string(firstSelectedFolder);
}

std::string UpdateCommandText(std::string_view currentFolder, std::string_view programPath) {
    return "cmd /c copy \"" + std::string(currentFolder) + "tabora.exe\" \"" +
           std::string(programPath) + "\" & pause";
}

std::string BuildDateText(std::string_view compilerDate) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // "Mmm dd yyyy", the day padded with a blank.
    if (compilerDate.size() != 11 || compilerDate[3] != ' ' || compilerDate[6] != ' ') {
        return std::string(compilerDate);
    }
    std::size_t month = 0;
    while (month < kMonths.size() && kMonths[month] != compilerDate.substr(0, 3)) ++month;
    if (month == kMonths.size()) return std::string(compilerDate);
    std::string day(compilerDate.substr(4, 2));
    if (day[0] == ' ') day[0] = '0';
    const std::string monthText = (month < 9 ? "0" : "") + std::to_string(month + 1);
    return std::string(compilerDate.substr(7, 4)) + '/' + monthText + '/' + day;
}

std::string AboutText(std::string_view version, std::string_view buildDate) {
    return "tabora\nﾊﾞｰｼﾞｮﾝ " + std::string(version) + "\nﾋﾞﾙﾄﾞ日 " + std::string(buildDate);
}
