#include "support/XmlElements.h"

bool TXmlElement::Attribute(const std::string& name, std::string& value) const {
    for (const auto& attribute : Attributes)
        if (attribute.first == name) {
            value = attribute.second;
            return true;
        }
    return false;
}
