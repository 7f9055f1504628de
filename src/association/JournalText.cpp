#include "association/JournalText.h"

#include <algorithm>
#include <cstdio>

#include "registry/SystemRegistry.h"
#include "support/HexDigit.h"
#include "support/SystemText.h"
#include "support/TextSearch.h"

const char* const kJournalHeader = "Corvix undo journal 1";

namespace {

const char kHex[] = "0123456789abcdef";
const char kLineEnd[] = "\r\n";
// The word after an entry's name that says its texts are UTF-8.
const char kUtf8Mark[] = "utf-8";

struct NamedType {
    DWORD type;
    const char* name;
};

const NamedType kTypes[] = {{REG_NONE, "REG_NONE"},           {REG_SZ, "REG_SZ"},
                            {REG_EXPAND_SZ, "REG_EXPAND_SZ"}, {REG_BINARY, "REG_BINARY"},
                            {REG_DWORD, "REG_DWORD"},         {REG_MULTI_SZ, "REG_MULTI_SZ"}};

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out + "\"";
}

std::string TypeName(DWORD type) {
    for (const NamedType& named : kTypes)
        if (named.type == type)
            return named.name;
    return std::to_string(type);
}

// A text value written as its text: exactly one NUL, at the end.
bool IsPlainText(const TRawValue& value) {
    return (value.Type == REG_SZ || value.Type == REG_EXPAND_SZ) && !value.Data.empty() &&
           value.Data.find('\0') == value.Data.size() - 1;
}

std::string DataText(const TRawValue& value) {
    if (IsPlainText(value))
        return Quote(value.Data.substr(0, value.Data.size() - 1));
    if (value.Type == REG_DWORD && value.Data.size() == 4) {
        std::string out = "dword:";
        for (int i = 3; i >= 0; --i) {
            unsigned char c = static_cast<unsigned char>(value.Data[i]);
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
        return out;
    }
    std::string out = "hex:";
    for (size_t i = 0; i < value.Data.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(value.Data[i]);
        if (i)
            out += ',';
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

void TreeText(const TKeyTree& tree, int depth, std::string& out) {
    out += "key " + std::to_string(depth) + " " + Quote(tree.Name) + kLineEnd;
    for (const TRawValue& value : tree.Values)
        out += "value " + Quote(value.Name) + " " + TypeName(value.Type) + " " + DataText(value) +
               kLineEnd;
    for (const TKeyTree& subTree : tree.SubKeys)
        TreeText(subTree, depth + 1, out);
}

// --- Reading.

// The words and quoted texts of one line, taken one at a time.
class LineReader {
public:
    explicit LineReader(const std::string& line) : line_(line) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ == line_.size();
    }
    bool Word(std::string& word) {
        SkipBlanks();
        size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '"')
            ++pos_;
        word = line_.substr(start, pos_ - start);
        return !word.empty();
    }
    bool Quoted(std::string& text) {
        SkipBlanks();
        text.clear();
        if (pos_ >= line_.size() || line_[pos_] != '"')
            return false;
        for (++pos_; pos_ < line_.size(); ++pos_) {
            char c = line_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c != '\\') {
                text += c;
                continue;
            }
            if (++pos_ >= line_.size())
                return false;
            c = line_[pos_];
            if (c == '"' || c == '\\') {
                text += c;
            } else if (c == 'x' && pos_ + 2 < line_.size() && HexDigit(line_[pos_ + 1]) >= 0 &&
                       HexDigit(line_[pos_ + 2]) >= 0) {
                text +=
                    static_cast<char>(HexDigit(line_[pos_ + 1]) * 16 + HexDigit(line_[pos_ + 2]));
                pos_ += 2;
            } else {
                return false;
            }
        }
        return false;
    }
    bool Number(long& number) {
        std::string word;
        if (!Word(word) || word.size() > 9 ||
            !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        number = std::stol(word);
        return true;
    }

private:
    void SkipBlanks() {
        while (pos_ < line_.size() && line_[pos_] == ' ')
            ++pos_;
    }

    const std::string& line_;
    size_t pos_ = 0;
};

bool ParseType(const std::string& word, DWORD& type) {
    for (const NamedType& named : kTypes)
        if (word == named.name) {
            type = named.type;
            return true;
        }
    // Any 32-bit number: the registry takes every type, and the writer spells
    // the ones without a name in decimal (up to 4294967295).
    if (word.empty() || word.size() > 10 ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const unsigned long long number = std::stoull(word);
    if (number > 0xFFFFFFFFull)
        return false;
    type = static_cast<DWORD>(number);
    return true;
}

bool ParseHexBytes(const std::string& text, std::string& data) {
    data.clear();
    for (size_t i = 0; i < text.size(); i += 3) {
        if (i + 2 > text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0)
            return false;
        if (i + 2 < text.size() && text[i + 2] != ',')
            return false;
        if (i + 2 < text.size() && i + 3 == text.size())
            return false; // a trailing comma
        data += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
    }
    return true;
}

// The value of a "value" line after its name and type.
bool ParseData(LineReader& reader, DWORD type, std::string& data) {
    std::string word;
    if (reader.Quoted(data)) {
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return false;
        data += '\0';
        return true;
    }
    if (!reader.Word(word))
        return false;
    if (word.compare(0, 6, "dword:") == 0) {
        std::string digits = word.substr(6);
        std::string bytes;
        if (type != REG_DWORD || digits.size() != 8)
            return false;
        // Written highest byte first; kept lowest first.
        std::string spaced;
        for (size_t i = 0; i < 8; i += 2)
            spaced += (i ? "," : "") + digits.substr(i, 2);
        if (!ParseHexBytes(spaced, bytes))
            return false;
        data.assign(bytes.rbegin(), bytes.rend());
        return true;
    }
    return word.compare(0, 4, "hex:") == 0 && ParseHexBytes(word.substr(4), data);
}

// A NUL would end the name where the registry functions take it, so a value
// or key of another name would be written.
bool HasNul(const std::string& name) {
    return name.find('\0') != std::string::npos;
}

bool IsKeyName(const std::string& name) {
    return !name.empty() && !HasCharOf(name, "\\") && !HasNul(name);
}

// The lines that mark an entry by its number.
bool IsMark(const std::string& word) {
    return word == "undoing" || word == "undone" || word == "kept" || word == "abandoned";
}

// The registry nests keys at most this deep; a deeper image is not one it
// could have given (and would cost stack to copy and compare).
const long kMaxDepth = 512;

// Reads line after line, keeping track of the last point the text was whole.
class JournalParser {
public:
    explicit JournalParser(const std::string& text) : text_(text) {}

    TJournalContents Run() {
        size_t pos = 0;
        long number = 0;
        while (pos < text_.size()) {
            size_t end = text_.find('\n', pos);
            ++number;
            if (end == std::string::npos)
                return Damaged(number, "the last line is cut off");
            std::string line = text_.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            pos = end + 1;
            std::string problem = number == 1 ? Header(line) : Line(line);
            if (!problem.empty())
                return Damaged(number, problem);
            if (!inImage_) {
                contents_.Whole = pos;
                firstOpen_ = number + 1;
            }
        }
        if (inImage_)
            return Damaged(number + 1, "the last image has no end");
        return contents_;
    }

private:
    TJournalContents Damaged(long number, const std::string& problem) {
        contents_.DamagedLine = firstOpen_;
        contents_.Problem = "line " + std::to_string(number) + ": " + problem;
        ReadLateMarks();
        return contents_;
    }

    // The marks and entry numbers on whole lines of their own in the damaged
    // rest: a mark there was written after its undo was done or begun, and
    // setting the rest aside must not lose it.
    void ReadLateMarks() {
        for (size_t pos = contents_.Whole, end; (end = text_.find('\n', pos)) != std::string::npos;
             pos = end + 1) {
            std::string line = text_.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            LineReader reader(line);
            std::string word;
            long id = 0;
            reader.Word(word);
            if (!reader.Number(id) || (word != "entry" && !reader.AtEnd()))
                continue;
            if (word == "entry")
                contents_.LastId = std::max(contents_.LastId, id);
            else if (IsMark(word) && Mark(word, id))
                contents_.LateMarks += line + kLineEnd;
        }
    }

    TJournalRecord* Find(long id) {
        for (TJournalRecord& record : contents_.Entries)
            if (record.Id == id)
                return &record;
        return nullptr;
    }

    // Applies the mark `word` to entry `id`; false for an unknown entry.
    bool Mark(const std::string& word, long id) {
        TJournalRecord* record = Find(id);
        if (!record)
            return false;
        // Neither an entry taken back nor one given up is offered again.
        if (word == "undone" || word == "abandoned") {
            contents_.Entries.erase(contents_.Entries.begin() + (record - &contents_.Entries[0]));
            // The entry images join is found again: it moved, or went.
            current_ = currentId_ == id ? nullptr : Find(currentId_);
        } else {
            record->InDoubt = word == "undoing";
        }
        return true;
    }

    std::string Header(const std::string& line) {
        return line == kJournalHeader ? std::string() : "not an undo journal";
    }

    std::string Line(const std::string& line) {
        LineReader reader(line);
        std::string word;
        reader.Word(word);
        if (inImage_) {
            if (word == "key")
                return Key(reader);
            if (word == "value")
                return Value(reader);
            if (word == "end" && reader.AtEnd()) {
                if (stack_.empty())
                    return "an image without its key";
                inImage_ = false;
                stack_.clear();
                current_->Images.push_back(std::move(image_));
                return std::string();
            }
            return "an unknown line inside an image";
        }
        if (word == "entry")
            return Entry(reader);
        if (word == "image")
            return Image(reader);
        if (IsMark(word))
            return Mark(word, reader);
        return "an unknown line";
    }

    // Makes a text of the current entry the program's (UTF-8): an entry
    // without the mark was written in the ANSI code page. In a marked entry,
    // false for text the program could not have written: it would not reach
    // the registry as it stands (the data of a text value may end in the odd
    // byte of registry/RawKey.h).
    bool Text(std::string& text, bool data = false) const {
        if (!utf8_) {
            text = Utf8FromAnsi(text);
            return true;
        }
        const size_t size = text.size();
        const bool odd = data && size >= 2 && text[size - 2] == '\xFF';
        const std::string own = odd ? text.substr(0, size - 2) : text;
        return Utf8FromWide(WideFromUtf8(own)) == own;
    }

    std::string Entry(LineReader& reader) {
        TJournalRecord record;
        std::string mark;
        if (!reader.Number(record.Id) || !reader.Quoted(record.Name))
            return "a malformed entry line";
        const bool utf8 = reader.Word(mark) && mark == kUtf8Mark;
        if ((!mark.empty() && !utf8) || !reader.AtEnd())
            return "a malformed entry line";
        utf8_ = utf8;
        if (!Text(record.Name))
            return "a malformed entry line";
        if (record.Id <= lastId_) {
            // The entry goes on after another process's lines.
            TJournalRecord* known = Find(record.Id);
            if (!known || known->Name != record.Name)
                return "an entry number out of order";
            current_ = known;
        } else {
            lastId_ = contents_.LastId = record.Id;
            contents_.Entries.push_back(std::move(record));
            current_ = &contents_.Entries.back();
        }
        contents_.LastEntryLine = currentId_ = current_->Id;
        return std::string();
    }

    std::string Image(LineReader& reader) {
        if (!current_)
            return "an image outside any entry";
        std::string rootName, word;
        image_ = TKeyImage();
        if (!reader.Word(rootName) || !(image_.Root = RootKeyOfName(rootName)) ||
            !reader.Quoted(image_.Path))
            return "a malformed image line";
        if (!Text(image_.Path) || SplitKeyPath(image_.Path).empty() || HasNul(image_.Path))
            return "a malformed image line";
        if (reader.AtEnd()) {
            image_.Exists = true;
            inImage_ = true;
            return std::string();
        }
        if (!reader.Word(word))
            return "a malformed image line";
        if (word == "value") {
            if (!reader.Quoted(image_.ValueName) || !reader.AtEnd())
                return "a malformed image line";
            if (!Text(image_.ValueName) || HasNul(image_.ValueName))
                return "a malformed image line";
            image_.Exists = image_.OneValue = true;
            inImage_ = true;
            return std::string();
        }
        if (word != "absent" || !reader.AtEnd())
            return "a malformed image line";
        current_->Images.push_back(std::move(image_));
        return std::string();
    }

    std::string Key(LineReader& reader) {
        long depth = 0;
        std::string name;
        if (!reader.Number(depth) || !reader.Quoted(name) || !reader.AtEnd() || !Text(name) ||
            !IsKeyName(name))
            return "a malformed key line";
        if (stack_.empty()) {
            if (depth != 0)
                return "an image that does not start at depth 0";
            // Restoring writes the key by this name below the path's parent.
            if (!SameKeyName(name, SplitKeyPath(image_.Path).back()))
                return "a key that is not the image's key";
            image_.Tree.Name = name;
            stack_.push_back(&image_.Tree);
            return std::string();
        }
        if (depth < 1 || static_cast<size_t>(depth) > stack_.size() || depth > kMaxDepth)
            return "a key at the wrong depth";
        if (image_.OneValue)
            return "a subkey in the image of one value";
        stack_.resize(depth);
        stack_.back()->SubKeys.push_back(TKeyTree{name, {}, {}});
        stack_.push_back(&stack_.back()->SubKeys.back());
        return std::string();
    }

    std::string Value(LineReader& reader) {
        TRawValue value;
        std::string typeName;
        if (stack_.empty())
            return "a value before its key";
        if (!reader.Quoted(value.Name) || !Text(value.Name) || HasNul(value.Name) ||
            !reader.Word(typeName) || !ParseType(typeName, value.Type) ||
            !ParseData(reader, value.Type, value.Data) || !reader.AtEnd() ||
            (sysreg::IsTextType(value.Type) && !Text(value.Data, true)))
            return "a malformed value line";
        if (image_.OneValue &&
            (!SameKeyName(value.Name, image_.ValueName) || !stack_.back()->Values.empty()))
            return "a value other than the image's one value";
        stack_.back()->Values.push_back(std::move(value));
        return std::string();
    }

    std::string Mark(const std::string& word, LineReader& reader) {
        long id = 0;
        const std::string kind = (word == "kept" ? "a " : "an ") + word + " line";
        if (!reader.Number(id) || !reader.AtEnd())
            return "a malformed " + kind.substr(kind.find(' ') + 1);
        if (!Mark(word, id))
            return kind + " for an unknown entry";
        return std::string();
    }

    const std::string& text_;
    TJournalContents contents_;
    bool inImage_ = false;
    bool utf8_ = false; // the current entry's texts are UTF-8
    TKeyImage image_;
    std::vector<TKeyTree*> stack_;
    long lastId_ = 0;
    long firstOpen_ = 1;
    // The entry that images join, by its number; null when it was undone.
    long currentId_ = 0;
    TJournalRecord* current_ = nullptr;
};

} // namespace

std::string EntryText(long id, const std::string& name) {
    return "entry " + std::to_string(id) + " " + Quote(name) + " " + kUtf8Mark + kLineEnd;
}

std::string ImageText(const TKeyImage& image) {
    std::string out = "image " + RootKeyName(image.Root) + " " + Quote(image.Path);
    if (!image.Exists)
        return out + " absent" + kLineEnd;
    if (image.OneValue)
        out += " value " + Quote(image.ValueName);
    out += kLineEnd;
    TreeText(image.Tree, 0, out);
    return out + "end" + kLineEnd;
}

std::string UndoingText(long id) {
    return "undoing " + std::to_string(id) + kLineEnd;
}

std::string UndoneText(long id) {
    return "undone " + std::to_string(id) + kLineEnd;
}

std::string KeptText(long id) {
    return "kept " + std::to_string(id) + kLineEnd;
}

std::string AbandonedText(long id) {
    return "abandoned " + std::to_string(id) + kLineEnd;
}

TJournalContents ParseJournal(const std::string& text) {
    return JournalParser(text).Run();
}
