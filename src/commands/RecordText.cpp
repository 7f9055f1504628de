#include "commands/RecordText.h"

#include "association/DataType.h"
#include "association/OpensWith.h"
#include "index/ZQFileAssoc.h"
#include "support/StringList.h"

#include <cstdio>

namespace {

std::string Line(const std::string& field, const std::string& value) {
    return field + ": " + value + "\n";
}

// The class an extension names; an unreadable value names none.
std::string ClassOf(const std::string& ext) {
    try {
        return GetExtensionClass(ext);
    } catch (const Exception&) {
        return std::string();
    }
}

// What a double-click opens and why, its command, and what "Open with"
// offers, each entry marked when its class or program isn't there.
std::string OpensWithText(const TOpensWith& opens) {
    std::string text = Line("opens with", opens.Target.empty()
                                              ? std::string()
                                              : opens.Target + " (" + opens.Reason + ")");
    if (!opens.Command.empty())
        text += Line("opens with command", opens.Command);
    for (const TOpenWithEntry& entry : opens.OpenWith)
        text += Line("open with", entry.Name + " (" + entry.Source + ")" +
                                      (entry.Missing ? " not there" : ""));
    return text;
}

std::string FlagsText(const std::string& className) {
    try {
        char number[16];
        std::snprintf(number, sizeof number, "0x%08X",
                      static_cast<unsigned>(GetEditFlagsNumber(className)));
        return number;
    } catch (const Exception& e) {
        return std::string("(") + e.what() + ")";
    }
}

std::string ClassRecordText(const std::string& className, const TFileClass& index) {
    std::string text = Line("class", className);
    if (!FileClassExists(className))
        return text + Line("registered", "no");
    text += Line("description", GetClassDescription(className));
    text += Line("icon", GetDefaultIcon(className));
    text += Line("default action", GetDefaultAction(className));
    TStringList verbs;
    GetActions(className, verbs);
    for (int i = 0; i < verbs.Count(); ++i)
        text += Line("action " + verbs[i], GetActionCommand(className, verbs[i]));
    text += Line("edit flags", FlagsText(className));
    TStringList exts;
    index.GetClassExtensions(className, exts);
    std::string list;
    for (int i = 0; i < exts.Count(); ++i)
        list += (i ? "," : "") + exts[i];
    return text + Line("extensions", list);
}

} // namespace

std::string ExtensionListText() {
    TStringList exts;
    GetExtensions(exts);
    std::string text;
    for (int i = 0; i < exts.Count(); ++i)
        text += exts[i] + "\t" + ClassOf(exts[i]) + "\n";
    return text;
}

std::string ClassListText(const TFileClass& index) {
    TStringList names;
    index.GetClassNames(names);
    std::string text;
    for (int i = 0; i < names.Count(); ++i) {
        TStringList exts;
        index.GetClassExtensions(names[i], exts);
        text += names[i] + "\t";
        for (int j = 0; j < exts.Count(); ++j)
            text += (j ? "," : "") + exts[j];
        text += "\n";
    }
    return text;
}

std::string RecordText(const std::string& name, const TFileClass& index) {
    if (IsValidExtension(name) && ExtensionExists(name)) {
        const std::string className = ClassOf(name);
        const TOpensWith opens = GetOpensWith(name);
        std::string text = Line("extension", name);
        text += Line("content type", GetContentType(name));
        text += Line("perceived type", opens.PerceivedType);
        text += Line("new-menu entry", QueryShellNew(name) ? "yes" : "no");
        text += OpensWithText(opens);
        return className.empty() ? text + Line("class", "")
                                 : text + ClassRecordText(className, index);
    }
    if (IsValidFileClass(name) && (FileClassExists(name) || index.IndexOf(name) >= 0))
        return ClassRecordText(name, index);
    throw EUnknownItem("'" + name + "' is neither an extension nor a file class.");
}
