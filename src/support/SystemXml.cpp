// The Windows build's XML reader: MSXML's SAX reader through COM, the
// parser Windows itself ships ("Msxml2.SAXXMLReader.6.0" where it is
// installed, else "Msxml2.SAXXMLReader.3.0", which Windows 2000 and later
// carry and Internet Explorer 5 brings to Windows 95, 98 and NT 4; Wine
// provides version 3). Without either, reading raises a message that says
// so. The only caller of COM and MSXML.
#ifdef _WIN32
#include "support/XmlElements.h"

#include "support/Utf8Text.h"

#include <windows.h>
#include <msxml2.h>
#include <oleauto.h>

namespace {

const GUID kISAXXMLReader = {
    0xa4f96ed0, 0xf829, 0x476e, {0x81, 0xc0, 0xcd, 0xc7, 0xbd, 0x2a, 0x08, 0x02}};
const GUID kISAXContentHandler = {
    0x1545cdfa, 0x9e4e, 0x4497, {0xa8, 0xa4, 0x2b, 0xf7, 0xd0, 0x11, 0x2c, 0x44}};
const GUID kISAXErrorHandler = {
    0xa60511c4, 0xccf5, 0x479e, {0x98, 0xa3, 0xdc, 0x8d, 0xc5, 0x45, 0xb7, 0xd0}};

std::string Utf8Of(const wchar_t* text, int length) {
    return Utf8FromWide(reinterpret_cast<const WCHAR*>(text), length);
}

// COM for the time of one reading (nothing when the thread has it already
// in another model: the reader works in either).
class TComUse {
public:
    TComUse() : started_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~TComUse() {
        if (started_)
            CoUninitialize();
    }
    TComUse(const TComUse&) = delete;
    TComUse& operator=(const TComUse&) = delete;

private:
    bool started_;
};

template <typename T> class TComPtr {
public:
    TComPtr() = default;
    ~TComPtr() {
        if (p_)
            p_->Release();
    }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// One object serves as the content and the error handler; it lives on the
// stack for one parse, so its reference count is not kept.
class THandler : public ISAXContentHandler, public ISAXErrorHandler {
public:
    std::vector<TXmlElement> elements;
    int errorLine = 0;
    std::string errorText;

    HRESULT WINAPI QueryInterface(REFIID riid, void** object) override {
        if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, kISAXContentHandler)) {
            *object = static_cast<ISAXContentHandler*>(this);
            return S_OK;
        }
        if (IsEqualGUID(riid, kISAXErrorHandler)) {
            *object = static_cast<ISAXErrorHandler*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }

    HRESULT WINAPI putDocumentLocator(ISAXLocator* locator) override {
        locator_ = locator;
        return S_OK;
    }
    HRESULT WINAPI startDocument() override { return S_OK; }
    HRESULT WINAPI endDocument() override { return S_OK; }
    HRESULT WINAPI startPrefixMapping(const wchar_t*, int, const wchar_t*, int) override {
        return S_OK;
    }
    HRESULT WINAPI endPrefixMapping(const wchar_t*, int) override { return S_OK; }
    HRESULT WINAPI startElement(const wchar_t*, int, const wchar_t*, int, const wchar_t* qName,
                                int qNameLength, ISAXAttributes* attributes) override {
        TXmlElement element;
        element.Name = Utf8Of(qName, qNameLength);
        element.Depth = depth_++;
        int line = 0;
        if (locator_ && SUCCEEDED(locator_->getLineNumber(&line)))
            element.Line = line;
        int count = 0;
        if (attributes && SUCCEEDED(attributes->getLength(&count)))
            for (int i = 0; i < count; ++i) {
                const wchar_t* name = nullptr;
                const wchar_t* value = nullptr;
                int nameLength = 0, valueLength = 0;
                if (SUCCEEDED(attributes->getQName(i, &name, &nameLength)) &&
                    SUCCEEDED(attributes->getValue(i, &value, &valueLength)))
                    element.Attributes.emplace_back(Utf8Of(name, nameLength),
                                                    Utf8Of(value, valueLength));
            }
        elements.push_back(std::move(element));
        return S_OK;
    }
    HRESULT WINAPI endElement(const wchar_t*, int, const wchar_t*, int, const wchar_t*,
                              int) override {
        --depth_;
        return S_OK;
    }
    HRESULT WINAPI characters(const wchar_t*, int) override { return S_OK; }
    HRESULT WINAPI ignorableWhitespace(const wchar_t*, int) override { return S_OK; }
    HRESULT WINAPI processingInstruction(const wchar_t*, int, const wchar_t*, int) override {
        return S_OK;
    }
    HRESULT WINAPI skippedEntity(const wchar_t*, int) override { return S_OK; }

    HRESULT WINAPI error(ISAXLocator* locator, const wchar_t* message, HRESULT code) override {
        return fatalError(locator, message, code);
    }
    HRESULT WINAPI fatalError(ISAXLocator* locator, const wchar_t* message,
                              HRESULT code) override {
        if (errorText.empty()) {
            int line = 0;
            if (locator && SUCCEEDED(locator->getLineNumber(&line)))
                errorLine = line;
            errorText = message ? Utf8Of(message, -1) : std::string();
            // MSXML's messages end in a line break.
            while (!errorText.empty() &&
                   (errorText.back() == '\n' || errorText.back() == '\r' || errorText.back() == ' '))
                errorText.pop_back();
        }
        return code;
    }
    HRESULT WINAPI ignorableWarning(ISAXLocator*, const wchar_t*, HRESULT) override { return S_OK; }

private:
    ISAXLocator* locator_ = nullptr;
    int depth_ = 0;
};

// The SAX reader of the newest MSXML there is.
bool CreateReader(TComPtr<ISAXXMLReader>& reader) {
    for (const wchar_t* name : {L"Msxml2.SAXXMLReader.6.0", L"Msxml2.SAXXMLReader.3.0"}) {
        CLSID clsid;
        if (SUCCEEDED(CLSIDFromProgID(name, &clsid)) &&
            SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kISAXXMLReader,
                                       reinterpret_cast<void**>(reader.Out()))))
            return true;
    }
    return false;
}

} // namespace

std::vector<TXmlElement> ReadXmlElements(const std::string& bytes) {
    TComUse com;
    TComPtr<ISAXXMLReader> reader;
    if (!CreateReader(reader))
        throw EXmlError(0, "reading XML needs MSXML 3.0 or later, which this system lacks "
                           "(Internet Explorer 5 or later brings it); .reg profiles need "
                           "no MSXML");
    THandler handler;
    reader->putContentHandler(&handler);
    reader->putErrorHandler(&handler);
    // The bytes as they are: the parser decides their encoding.
    SAFEARRAYBOUND bound = {static_cast<ULONG>(bytes.size()), 0};
    SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
    if (!array)
        throw EXmlError(0, "out of memory for the XML document");
    void* data = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
        if (!bytes.empty())
            memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
    }
    VARIANT input;
    VariantInit(&input);
    input.vt = VT_ARRAY | VT_UI1;
    input.parray = array;
    const HRESULT result = reader->parse(input);
    SafeArrayDestroy(array);
    if (!handler.errorText.empty() || FAILED(result))
        throw EXmlError(handler.errorLine,
                        "not well-formed XML: " +
                            (handler.errorText.empty() ? "the parser gave up (error " +
                                                             std::to_string(unsigned(result)) + ")"
                                                       : handler.errorText));
    return std::move(handler.elements);
}
#endif
