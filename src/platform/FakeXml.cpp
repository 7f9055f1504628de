// The native build's XML reader: Debian's Expat, behind the interface that
// MSXML serves on Windows.
#include "support/XmlElements.h"

#include <expat.h>

#include <memory>

namespace {

struct TReading {
    XML_Parser parser;
    std::vector<TXmlElement> elements;
    int depth = 0;
};

void XMLCALL Start(void* data, const XML_Char* name, const XML_Char** attributes) {
    TReading& reading = *static_cast<TReading*>(data);
    TXmlElement element;
    element.Name = name;
    element.Line = static_cast<int>(XML_GetCurrentLineNumber(reading.parser));
    element.Depth = reading.depth++;
    for (int i = 0; attributes[i]; i += 2)
        element.Attributes.emplace_back(attributes[i], attributes[i + 1]);
    reading.elements.push_back(std::move(element));
}

void XMLCALL End(void* data, const XML_Char*) {
    --static_cast<TReading*>(data)->depth;
}

} // namespace

std::vector<TXmlElement> ReadXmlElements(const std::string& bytes) {
    std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate(nullptr),
                                                                   XML_ParserFree);
    if (!parser)
        throw EXmlError(0, "the XML parser could not be started");
    TReading reading;
    reading.parser = parser.get();
    XML_SetUserData(parser.get(), &reading);
    XML_SetElementHandler(parser.get(), Start, End);
    if (XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_OK)
        throw EXmlError(static_cast<int>(XML_GetCurrentLineNumber(parser.get())),
                        std::string("not well-formed XML: ") +
                            XML_ErrorString(XML_GetErrorCode(parser.get())));
    return std::move(reading.elements);
}
