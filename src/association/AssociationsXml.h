// The default-associations XML that Windows' deployment tools read and
// write (Dism's export and import, Group Policy's "default associations
// configuration file", Intune's ApplicationDefaults):
//
//   <DefaultAssociations>
//     <Association Identifier=".txt" ProgId="txtfile" ApplicationName="Notepad" />
//   </DefaultAssociations>
//
// Attributes and elements not used here ("Version", "Suggested",
// "ApplyOnUpgrade", "OverwriteIfProgIdIs", ...) are passed over.
#pragma once

#include <string>
#include <vector>

struct TAssociationEntry {
    // An extension (".txt") or a protocol's name ("mailto").
    std::string Identifier;
    std::string ProgId;
    std::string ApplicationName;
    int Line = 0;
};

// A protocol's name as URLs begin with it: a letter, then letters, digits,
// "+", "-" and ".".
bool IsProtocolName(const std::string& name);

// The entries of the file's bytes. Raises EProfileError naming `fileName`,
// the line and the cause when the XML is not well-formed (or can't be read
// on this system), the root is not "DefaultAssociations", an "Association"
// lacks "Identifier" or "ProgId", the identifier is neither an extension nor
// a protocol's name, or the ProgId can't name a class.
std::vector<TAssociationEntry> ReadAssociationsXml(const std::string& fileName,
                                                   const std::string& bytes);

// The file's text (UTF-8, CR LF line ends) for the entries.
std::string AssociationsXmlText(const std::vector<TAssociationEntry>& entries);
