// The exports of the associations for other machines and for people: the
// default-associations XML, a .reg file of the classes with their
// extensions, and a table of every extension with its class, description,
// open command and the problems the check finds, as CSV (RFC 4180) or as
// one HTML page.
#pragma once

#include <string>
#include <vector>

class TFileClass;

enum class TExportFormat { Associations, Reg, Csv, Html };

// "associations", "reg", "csv", "html"; false for another name.
bool ExportFormatOfName(const std::string& name, TExportFormat& format);

// What an export covers: extension keys, and the classes they name (that
// are registered) or that were named.
struct TExportSelection {
    // Sorted in the program's text order, each with the class it names.
    std::vector<std::string> Extensions;
    std::vector<std::string> ExtensionClasses;
    std::vector<std::string> Classes;
};

// Every extension key of the index (a fresh scan's) with its registered
// classes when `names` is empty; else each name that is an extension key,
// and each class with the extensions the index files under it. EUnknownItem
// for a name that is neither.
TExportSelection SelectForExport(const std::vector<std::string>& names, const TFileClass& index);

// The file's bytes: the XML in UTF-8, the .reg file as the backup writes it
// on this system, the CSV in UTF-8 with a byte order mark (so spreadsheets
// take it as UTF-8), the HTML page in UTF-8.
std::string ExportBytes(TExportFormat format, const TExportSelection& selection);

// A field of a CSV record as RFC 4180 quotes it: in double quotes (each one
// inside doubled) when it holds a comma, a quote, a line break or leading or
// trailing blanks.
std::string CsvField(const std::string& text);
