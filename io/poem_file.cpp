#include "poem_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>

namespace zoravina {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLongestText = 2000;   // bytes of one verse text in a file
constexpr int kHighestGroup = kGroupExtent - 1;
constexpr int kHighestBackground = 4;

bool hasBright(PoemKind kind) { return kind == PoemKind::Bright || kind == PoemKind::Combination; }
bool hasDark(PoemKind kind) { return kind == PoemKind::Dark || kind == PoemKind::Combination; }

// Field-wise reading: a field ends at a comma or at the end of a line,
// leading blanks are skipped, a field that begins with a double quote is
// the text up to the next double quote.
class Fields {
public:
    explicit Fields(std::string_view text) : text_(text) {}

    std::optional<std::string> text()
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == '"') {
            const std::size_t end = text_.find('"', at_ + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            std::string field(text_.substr(at_ + 1, end - at_ - 1));
            at_ = end + 1;
            skipBlanks();
            if (!endField() || !sane(field))
                return std::nullopt;
            return field;
        }
        std::string field = raw();
        if (!sane(field))
            return std::nullopt;
        return field;
    }

    std::optional<int> number()
    {
        const std::string field = raw();
        int value = 0;
        const char* first = field.data();
        const char* last = field.data() + field.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (field.empty() || error != std::errc() || end != last)
            return std::nullopt;
        return value;
    }

private:
    static bool sane(const std::string& field)
    {
        if (field.size() > kLongestText)
            return false;
        for (unsigned char c : field)
            if (c < 0x20)
                return false;
        return true;
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t'))
            ++at_;
    }

    // Consumes the delimiter that ends a field; false if something else stands there.
    bool endField()
    {
        if (at_ >= text_.size())
            return true;
        if (text_[at_] == ',') {
            ++at_;
            return true;
        }
        if (text_.substr(at_).starts_with(kLineEnd)) {
            at_ += kLineEnd.size();
            return true;
        }
        if (text_[at_] == '\n') {
            ++at_;
            return true;
        }
        return false;
    }

    std::string raw()
    {
        skipBlanks();
        const std::size_t end = std::min(text_.find_first_of(",\r\n", at_), text_.size());
        std::string field(text_.substr(at_, end - at_));
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
            field.pop_back();
        at_ = end;
        endField();
        return field;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<int> inRange(std::optional<int> value, int low, int high)
{
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::string inQuotes(std::string_view text) { return "\"" + toWindows1250(withoutStraightQuotes(text)) + "\""; }

} // namespace

std::string toWindows1250(std::string_view utf8)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::string(utf8);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QByteArray bytes;
    for (const QChar c : text) {
        QByteArray one = encoder.encode(QStringView(&c, 1));
        if (encoder.hasError() || one.isEmpty()) {
            // The error state outlives resetState(), so a fresh encoder takes the next character.
            encoder = QStringEncoder("windows-1250", QStringConverter::Flag::Stateless);
            one = "?";
        }
        bytes += one;
    }
    return bytes.toStdString();
}

std::optional<std::string> fromWindows1250(std::string_view bytes)
{
    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError() || text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    // The five bytes Windows-1250 leaves unassigned come back as C1 controls.
    for (const QChar c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            return std::nullopt;
    return text.toStdString();
}

std::string withoutStraightQuotes(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '"')
            out += "”";
        else
            out.push_back(c);
    }
    return out;
}

std::string writePoemFile(const PoemFile& poem)
{
    std::string out = std::to_string(static_cast<int>(poem.kind)) + std::string(kLineEnd);
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        switch (poem.kind) {
        case PoemKind::Bright: out += std::to_string(poem.brightGroups[pi]); break;
        case PoemKind::Dark: out += std::to_string(poem.darkGroups[pi]); break;
        case PoemKind::Combination:
            out += std::to_string(poem.brightGroups[pi]) + "," + std::to_string(poem.darkGroups[pi]);
            break;
        }
        out += kLineEnd;
    }
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        if (hasBright(poem.kind))
            out += inQuotes(poem.brightLines[pi]) + std::string(kLineEnd);
        if (hasDark(poem.kind))
            out += inQuotes(poem.darkLines[pi]) + std::string(kLineEnd);
    }
    out += std::to_string(poem.background) + std::string(kLineEnd);
    out += "\"EOF\"" + std::string(kLineEnd);
    return out;
}

std::optional<PoemFile> readPoemFile(std::string_view bytes)
{
    if (bytes.size() > kLargestPoemFile)
        return std::nullopt;
    const auto text = fromWindows1250(bytes);
    if (!text)
        return std::nullopt;
    Fields fields(*text);
    PoemFile poem;
    const auto kind = inRange(fields.number(), 1, 3);
    if (!kind)
        return std::nullopt;
    poem.kind = static_cast<PoemKind>(*kind);
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        for (Side side : {Side::Bright, Side::Dark}) {
            if ((side == Side::Bright && !hasBright(poem.kind)) || (side == Side::Dark && !hasDark(poem.kind)))
                continue;
            const auto group = inRange(fields.number(), 0, kHighestGroup);
            if (!group)
                return std::nullopt;
            (side == Side::Bright ? poem.brightGroups : poem.darkGroups)[pi] = *group;
        }
    }
    for (int p = 1; p <= kLastPosition; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        for (Side side : {Side::Bright, Side::Dark}) {
            if ((side == Side::Bright && !hasBright(poem.kind)) || (side == Side::Dark && !hasDark(poem.kind)))
                continue;
            auto line = fields.text();
            if (!line)
                return std::nullopt;
            (side == Side::Bright ? poem.brightLines : poem.darkLines)[pi] = std::move(*line);
        }
    }
    const auto background = inRange(fields.number(), 0, kHighestBackground);
    if (!background)
        return std::nullopt;
    poem.background = *background;
    return poem;
}

std::string writeVerseFile(const std::vector<std::string>& records)
{
    std::string out = std::to_string(records.size()) + std::string(kLineEnd);
    for (const std::string& record : records)
        out += inQuotes(record) + std::string(kLineEnd);
    return out;
}

std::optional<VerseFile> readVerseFile(std::string_view bytes)
{
    if (bytes.size() > kLargestVerseFile)
        return std::nullopt;
    const auto text = fromWindows1250(bytes);
    if (!text)
        return std::nullopt;
    VerseFile file;
    std::string_view rest = *text;
    auto nextLine = [&rest] {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return line;
    };
    const auto count = Fields(nextLine()).number();
    // Every record that can be read is kept, whatever the count line says:
    // the reader wrote them and would miss them.
    while (!rest.empty()) {
        const std::string_view line = nextLine();
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        auto record = Fields(line).text();
        if (record && record->size() >= 2)
            file.records.push_back(std::move(*record));
        else
            file.whole = false;
    }
    if (!count || *count != static_cast<int>(file.records.size()))
        file.whole = false;
    return file;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> readSmallFile(const std::string& path, std::size_t limit)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (static_cast<std::size_t>(file.size()) > limit)
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (static_cast<std::size_t>(bytes.size()) > limit)
        return std::nullopt;
    return bytes.toStdString();
}

} // namespace zoravina
