#include "association/AssociationsXml.h"

#include "association/Names.h"
#include "association/ProfileError.h"
#include "support/XmlElements.h"

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Text for an attribute in double quotes; control characters other than the
// tab, which XML 1.0 can't hold at all, are left out.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                out += c;
        }
    }
    return out;
}

} // namespace

bool IsProtocolName(const std::string& name) {
    if (name.empty() || !IsAsciiLetter(name[0]))
        return false;
    for (char c : name)
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

std::vector<TAssociationEntry> ReadAssociationsXml(const std::string& fileName,
                                                   const std::string& bytes) {
    std::vector<TXmlElement> elements;
    try {
        elements = ReadXmlElements(bytes);
    } catch (const EXmlError& e) {
        throw EProfileError(fileName, e.Line(), e.what());
    }
    if (elements.empty() || elements[0].Name != "DefaultAssociations")
        throw EProfileError(fileName, elements.empty() ? 1 : elements[0].Line,
                            "the root element is <" +
                                (elements.empty() ? std::string() : elements[0].Name) +
                                ">, not <DefaultAssociations>");
    std::vector<TAssociationEntry> entries;
    for (const TXmlElement& element : elements) {
        if (element.Depth != 1 || element.Name != "Association")
            continue;
        TAssociationEntry entry;
        entry.Line = element.Line;
        for (const char* name : {"Identifier", "ProgId"})
            if (!element.Attribute(name, name[0] == 'I' ? entry.Identifier : entry.ProgId))
                throw EProfileError(fileName, element.Line,
                                    std::string("the <Association> has no \"") + name +
                                        "\" attribute");
        element.Attribute("ApplicationName", entry.ApplicationName);
        if (!IsValidExtension(entry.Identifier) && !IsProtocolName(entry.Identifier))
            throw EProfileError(fileName, element.Line,
                                "the identifier '" + entry.Identifier +
                                    "' is neither an extension (\".txt\") nor a protocol's name "
                                    "(\"mailto\")");
        if (!IsValidFileClass(entry.ProgId))
            throw EProfileError(fileName, element.Line,
                                "the ProgId '" + entry.ProgId + "' can't name a class");
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string AssociationsXmlText(const std::vector<TAssociationEntry>& entries) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<DefaultAssociations>\r\n";
    for (const TAssociationEntry& entry : entries)
        text += "  <Association Identifier=\"" + Escaped(entry.Identifier) + "\" ProgId=\"" +
                Escaped(entry.ProgId) + "\" ApplicationName=\"" + Escaped(entry.ApplicationName) +
                "\" />\r\n";
    return text + "</DefaultAssociations>\r\n";
}
