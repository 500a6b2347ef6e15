// The settings file every test layer starts the program from, as lines a test can change.
#pragma once

#include <string>
#include <vector>

struct IniLines {
    std::vector<std::string> Lines;

    // Replaces the first line named exactly key, or appends one.
    IniLines& Set(const std::string& key, const std::string& value) {
        for (std::string& line : Lines) {
            if (line.compare(0, key.size() + 1, key + "=") == 0) {
                line = key + "=" + value;
                return *this;
            }
        }
        Lines.push_back(key + "=" + value);
        return *this;
    }
    // Removes every line named exactly key.
    IniLines& Remove(const std::string& key) {
        std::erase_if(Lines, [&](const std::string& line) {
            return line.compare(0, key.size() + 1, key + "=") == 0;
        });
        return *this;
    }
    std::string Bytes() const {
        std::string bytes;
        for (const std::string& line : Lines) bytes += line + "\r\n";
        return bytes;
    }
};

// A file the program starts from: every key start-up reads, with plain values.
inline IniLines StartableSettings() {
    // Watch=0: a test that wants the folder to follow the disk says so.
    // clang-format off
    return IniLines{{
        "Width=520", "Height=360", "Left=30", "Top=20", "Sort=0", "Mask=*.*", "DirWidth=180",
        "Detail=0", "HiddenFile=1", "Hyojisu=0", "MaxFiles=200", "DefaultApp=notepad.exe",
        "FCharset=128", "FColor=0", "FHeight=-12", "FName=ＭＳ ゴシック", "FSize=9",
        "BGColor=16777215", "Watch=0",
    }};
    // clang-format on
}
