#include "commands/ProfileExport.h"

#include "association/AssociationsXml.h"
#include "association/CommandProgram.h"
#include "association/DataType.h"
#include "association/RegExport.h"
#include "association/UserItems.h"
#include "commands/AssociationCheck.h"
#include "commands/RecordText.h"
#include "index/ZQFileAssoc.h"
#include "registry/ParallelReads.h"
#include "support/StringList.h"
#include "support/SystemFiles.h"
#include "support/TextCompare.h"
#include "support/ZQRoutines.h"

#include <ctime>
#include <map>
#include <set>
#include <unordered_map>

namespace {

std::string ClassOrNothing(const std::string& ext) {
    try {
        return GetExtensionClass(ext);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

// One row of the tables: what a person wants to know of an extension.
struct TRow {
    std::string Extension;
    std::string Class;
    std::string Description;
    std::string Command;
    std::vector<std::string> Problems;
};

std::string DescriptionOrNothing(const std::string& className) {
    try {
        return GetClassDescription(className);
    } catch (const ERegistryException&) {
        return std::string();
    }
}

// The command line of the class's default action; empty when there is none
// or it holds no text.
std::string OpenCommand(const std::string& className) {
    if (className.empty() || !IsValidFileClass(className))
        return std::string();
    return ReadClassFacts(className, true).DefaultCommand();
}

// The file name of the program a command starts, without its folder.
std::string ProgramName(const std::string& command, TFileLookup& files) {
    const TCommandProgram program = FindCommandProgram(command, files);
    if (program.None)
        return std::string();
    const size_t slash = program.Path.find_last_of("\\/");
    return slash == std::string::npos ? program.Path : program.Path.substr(slash + 1);
}

std::string AssociationsText(const TExportSelection& selection) {
    std::set<std::string> registered; // upper case
    for (const std::string& className : selection.Classes)
        registered.insert(UpperCaseAZ(className));
    std::vector<TAssociationEntry> entries;
    std::unique_ptr<TFileLookup> files;
    std::map<std::string, std::string> names; // application names by upper-case class
    for (size_t i = 0; i < selection.Extensions.size(); ++i) {
        const std::string& className = selection.ExtensionClasses[i];
        const std::string key = UpperCaseAZ(className);
        if (className.empty() || !registered.count(key))
            continue;
        auto known = names.find(key);
        if (known == names.end()) {
            std::string name = DescriptionOrNothing(className);
            if (name.empty()) {
                if (!files)
                    files = std::make_unique<TFileLookup>();
                name = ProgramName(OpenCommand(className), *files);
            }
            known = names.emplace(key, name).first;
        }
        entries.push_back({selection.Extensions[i], className, known->second, 0});
    }
    return AssociationsXmlText(entries);
}

std::vector<TRow> Rows(const TExportSelection& selection) {
    // The check of these extensions reads each class once, with its
    // description and default action, for all its extensions.
    std::unordered_map<std::string, TClassFacts> classes; // by upper-case name
    std::map<std::string, std::vector<std::string>> problems; // by upper-case name
    for (const TFinding& finding : CheckExtensionsAndClasses(selection.Extensions, classes).Findings)
        problems[UpperCaseAZ(finding.Name)].push_back(std::string(FindingKindName(finding.Kind)) +
                                                      ": " + finding.Detail);
    std::vector<TRow> rows;
    for (size_t i = 0; i < selection.Extensions.size(); ++i) {
        TRow row;
        row.Extension = selection.Extensions[i];
        row.Class = selection.ExtensionClasses[i];
        if (!row.Class.empty() && IsValidFileClass(row.Class)) {
            auto known = classes.find(UpperCaseAZ(row.Class));
            if (known == classes.end()) // changed since the index was made
                known = classes.emplace(UpperCaseAZ(row.Class), ReadClassFacts(row.Class, true)).first;
            row.Description = known->second.Description;
            row.Command = known->second.DefaultCommand();
        }
        for (const std::string* name : {&row.Extension, &row.Class}) {
            const auto found = problems.find(UpperCaseAZ(*name));
            if (!name->empty() && found != problems.end())
                row.Problems.insert(row.Problems.end(), found->second.begin(), found->second.end());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string CsvText(const TExportSelection& selection) {
    std::string text = "\xEF\xBB\xBF" "Extension,Class,Description,Open command,Problems\r\n";
    for (const TRow& row : Rows(selection))
        text += CsvField(row.Extension) + "," + CsvField(row.Class) + "," +
                CsvField(row.Description) + "," + CsvField(row.Command) + "," +
                CsvField(Joined(row.Problems, "; ")) + "\r\n";
    return text;
}

std::string Html(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    char text[32] = {};
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
    return text;
}

std::string HtmlText(const TExportSelection& selection) {
    const std::vector<TRow> rows = Rows(selection);
    std::string system, version;
    GetOSName(system);
    GetOSVersion(version);
    const std::string machine = MachineName();
    size_t withProblems = 0;
    for (const TRow& row : rows)
        withProblems += row.Problems.empty() ? 0 : 1;
    std::string text =
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<title>File associations of " + Html(machine) + "</title>\r\n"
        "<style>body{font-family:Tahoma,Arial,sans-serif;font-size:10pt}"
        "table{border-collapse:collapse}th,td{border:1px solid #aaa;padding:2px 6px;"
        "text-align:left;vertical-align:top}th{background:#eee}td.problem{color:#a00}"
        "</style>\r\n</head>\r\n<body>\r\n<h1>File associations of " + Html(machine) +
        "</h1>\r\n<p>Date: " + Now() + "<br>Machine: " + Html(machine) + "<br>Windows: " +
        Html(system) + (version.empty() ? "" : " (" + Html(version) + ")") + "<br>" +
        std::to_string(rows.size()) + " extensions, " + std::to_string(withProblems) +
        " with problems</p>\r\n<table>\r\n<tr><th>Extension</th><th>Class</th><th>Description"
        "</th><th>Open command</th><th>Problems</th></tr>\r\n";
    for (const TRow& row : rows)
        text += "<tr><td>" + Html(row.Extension) + "</td><td>" + Html(row.Class) + "</td><td>" +
                Html(row.Description) + "</td><td>" + Html(row.Command) +
                "</td><td class=\"problem\">" + Html(Joined(row.Problems, "<br>")) +
                "</td></tr>\r\n";
    return text + "</table>\r\n</body>\r\n</html>\r\n";
}

std::string RegBytes(const TExportSelection& selection) {
    std::vector<std::string> paths;
    for (const std::string& name : selection.Classes)
        paths.push_back(FileClassKey(name));
    for (const std::string& ext : selection.Extensions)
        paths.push_back(ExtensionKey(ext));
    return RegFileBytes(CaptureKeysAsNamed(HKEY_CLASSES_ROOT, paths));
}

} // namespace

bool ExportFormatOfName(const std::string& name, TExportFormat& format) {
    static const std::pair<const char*, TExportFormat> kNames[] = {
        {"associations", TExportFormat::Associations},
        {"reg", TExportFormat::Reg},
        {"csv", TExportFormat::Csv},
        {"html", TExportFormat::Html}};
    for (const auto& known : kNames)
        if (name == known.first) {
            format = known.second;
            return true;
        }
    return false;
}

TExportSelection SelectForExport(const std::vector<std::string>& names, const TFileClass& index) {
    const TUserItemsSnapshot userItems;
    std::vector<std::pair<std::string, std::string>> chosen; // extension, class
    std::set<std::string> seen;                              // upper-case extensions
    std::vector<std::string> classes;
    std::set<std::string> classSeen; // upper case
    const auto addClass = [&](const std::string& className) {
        if (!className.empty() && IsValidFileClass(className) &&
            classSeen.insert(UpperCaseAZ(className)).second && FileClassExists(className))
            classes.push_back(className);
    };
    const auto addClassWithExtensions = [&](const std::string& className) {
        addClass(className);
        TStringList linked;
        index.GetClassExtensions(className, linked);
        for (int i = 0; i < linked.Count(); ++i)
            if (seen.insert(UpperCaseAZ(linked[i])).second)
                chosen.emplace_back(linked[i], className);
    };
    if (names.empty()) {
        TStringList all;
        index.GetClassNames(all);
        // Which classes have a key, asked by several threads at once.
        std::vector<std::string> candidates;
        for (int i = 0; i < all.Count(); ++i)
            if (!all[i].empty() && IsValidFileClass(all[i]) &&
                classSeen.insert(UpperCaseAZ(all[i])).second)
                candidates.push_back(all[i]);
        std::vector<char> exists(candidates.size());
        ReadInParallel(candidates.size(),
                       [&](size_t i) { exists[i] = FileClassExists(candidates[i]); });
        for (size_t i = 0; i < candidates.size(); ++i)
            if (exists[i])
                classes.push_back(candidates[i]);
        for (int i = 0; i < all.Count(); ++i)
            addClassWithExtensions(all[i]);
    }
    for (const std::string& name : names) {
        if (IsValidExtension(name) && ExtensionExists(name)) {
            const std::string className = ClassOrNothing(name);
            addClass(className);
            if (seen.insert(UpperCaseAZ(name)).second)
                chosen.emplace_back(name, className);
        } else if (IsValidFileClass(name) && FileClassExists(name)) {
            addClassWithExtensions(name);
        } else {
            throw EUnknownItem("'" + name + "' is neither an extension nor a file class.");
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) {
        return CompareText(a.first, b.first) < 0;
    });
    TExportSelection selection;
    for (const auto& item : chosen) {
        selection.Extensions.push_back(item.first);
        selection.ExtensionClasses.push_back(item.second);
    }
    selection.Classes = std::move(classes);
    return selection;
}

std::string ExportBytes(TExportFormat format, const TExportSelection& selection) {
    const TUserItemsSnapshot userItems;
    switch (format) {
    case TExportFormat::Associations: return AssociationsText(selection);
    case TExportFormat::Reg: return RegBytes(selection);
    case TExportFormat::Csv: return CsvText(selection);
    case TExportFormat::Html: return HtmlText(selection);
    }
    return std::string();
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos &&
        (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}
