// The program's settings file: an INI file of sections, "key=value" lines and
// plain 8-bit text. `TZQIniFile` holds only the file's path; every read goes
// to the file and every write is handed to the file at once, so objects are
// cheap and never kept between handlers.
#pragma once

#include <string>

class TZQIniFile {
public:
    // Stores the full path of the file; does not touch the file.
    explicit TZQIniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The stored text of Key in Section, cut to its first 1023 characters;
    // Default when the file, the section or the key is absent or the file
    // can't be read. Section and key names match without regard to case;
    // blanks around names and values are not part of them.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // Writes Value under Key in Section at once, creating the file, the
    // section and the key as needed. A value keeps only its first line.
    // Raises `Exception` "nach <path> kann nicht geschrieben werden" when the
    // file can't be written (read-only file, folder without write access);
    // the file then keeps its previous contents.
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) const;

    // The stored number: an optional sign and decimal digits, or "$" (or a
    // leading "0x"/"0X") and hexadecimal digits, the whole text a 32-bit
    // integer; Default for an absent key and any other text.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Writes the decimal text of Value.
    void WriteInteger(const std::string& section, const std::string& key, int value) const;

    // ReadInteger with default 1 for true and 0 for false; any other number
    // than 0 is true, text that is no number gives Default.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    // Writes "1" for true and "0" for false.
    void WriteBool(const std::string& section, const std::string& key, bool value) const;

private:
    std::string fileName_;
};

// The full path of the settings file: the folder of the running executable,
// with its trailing separator, followed by "settings.ini".
std::string SettingsFilePath();

// Converts text by the rules of ReadInteger; false when it is no number.
bool IniTextToInteger(const std::string& text, int& value);
