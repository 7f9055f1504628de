// The elements of an XML document, read by a real XML parser: on Windows
// MSXML's SAX reader through COM (support/SystemXml.cpp), in the native
// build Expat (platform/FakeXml.cpp). The caller sees the elements in
// document order with their attributes and the line each starts on; a
// document that is not well-formed raises EXmlError with the parser's line
// and cause.
#pragma once

#include "support/Exception.h"

#include <string>
#include <utility>
#include <vector>

struct TXmlElement {
    std::string Name;
    // In document order, names and values in UTF-8 with entities resolved.
    std::vector<std::pair<std::string, std::string>> Attributes;
    int Line = 0;
    // 0 for the root element, 1 for its children, ...
    int Depth = 0;

    // The attribute's value; false when the element has none of that name
    // (compared exactly, as XML compares names).
    bool Attribute(const std::string& name, std::string& value) const;
};

class EXmlError : public Exception {
public:
    EXmlError(int line, const std::string& cause) : Exception(cause), line_(line) {}
    // 0 when the parser gave no line (no parser at all).
    int Line() const { return line_; }

private:
    int line_;
};

// Parses the document's bytes (its encoding as its declaration or byte order
// mark says, UTF-8 otherwise). Raises EXmlError when the document is not
// well-formed or no parser is there.
std::vector<TXmlElement> ReadXmlElements(const std::string& bytes);
