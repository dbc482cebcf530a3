#include "kanji/svgpath.h"

#include <array>
#include <charconv>
#include <cmath>

namespace bks {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class PathReader {
public:
    explicit PathReader(QByteArrayView text) : text_(text) {}

    std::optional<QPainterPath> read();

private:
    void skipSpaces()
    {
        while (pos_ < text_.size() && isSpace(text_[pos_]))
            ++pos_;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    // Whether a number starts here (after spaces, and one comma when
    // `afterNumber`, since a comma only ever separates two numbers).
    bool numberAhead(bool afterNumber);
    std::optional<double> number();
    bool numbers(double *out, int count);
    bool checked(QPointF p) const
    {
        return std::abs(p.x()) <= kSvgPathCoordinateLimit && std::abs(p.y()) <= kSvgPathCoordinateLimit;
    }
    bool apply(char command, const double *args);

    QByteArrayView text_;
    qsizetype pos_ = 0;
    QPainterPath path_;
    QPointF current_;
    QPointF subpathStart_;
    // The second control point of the last cubic, when the command before
    // this one drew a cubic; what a smooth cubic reflects.
    std::optional<QPointF> lastControl_;
    bool closed_ = false;
};

bool PathReader::numberAhead(bool afterNumber)
{
    skipSpaces();
    if (afterNumber && !atEnd() && text_[pos_] == ',') {
        ++pos_;
        skipSpaces();
        // A comma must be followed by a number; the caller fails on it.
        return true;
    }
    if (atEnd())
        return false;
    const char c = text_[pos_];
    return isDigit(c) || c == '.' || c == '-' || c == '+';
}

std::optional<double> PathReader::number()
{
    skipSpaces();
    const qsizetype start = pos_;
    if (!atEnd() && (text_[pos_] == '-' || text_[pos_] == '+'))
        ++pos_;
    const qsizetype digitsStart = pos_;
    while (!atEnd() && isDigit(text_[pos_]))
        ++pos_;
    qsizetype digits = pos_ - digitsStart;
    if (!atEnd() && text_[pos_] == '.') {
        ++pos_;
        const qsizetype fractionStart = pos_;
        while (!atEnd() && isDigit(text_[pos_]))
            ++pos_;
        digits += pos_ - fractionStart;
    }
    if (digits == 0)
        return std::nullopt;
    // An exponent counts only with its digits: "1e" is a number and a stray
    // letter, which fails as a command.
    if (!atEnd() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
        qsizetype p = pos_ + 1;
        if (p < text_.size() && (text_[p] == '-' || text_[p] == '+'))
            ++p;
        if (p < text_.size() && isDigit(text_[p])) {
            while (p < text_.size() && isDigit(text_[p]))
                ++p;
            pos_ = p;
        }
    }
    const char *first = text_.data() + start;
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, text_.data() + pos_, value);
    if (error != std::errc() || end != text_.data() + pos_ || !std::isfinite(value)
        || std::abs(value) > kSvgPathCoordinateLimit)
        return std::nullopt;
    return value;
}

bool PathReader::numbers(double *out, int count)
{
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            numberAhead(true);
        const std::optional<double> value = number();
        if (!value)
            return false;
        out[i] = *value;
    }
    return true;
}

bool PathReader::apply(char command, const double *a)
{
    const bool relative = command >= 'a' && command <= 'z';
    const QPointF base = relative ? current_ : QPointF();
    auto point = [&](int i) { return base + QPointF(a[i], a[i + 1]); };
    // After a close, drawing goes on from the start of the closed subpath.
    if (closed_ && command != 'M' && command != 'm')
        path_.moveTo(current_);
    closed_ = false;
    std::optional<QPointF> control;
    QPointF end;
    switch (command) {
    case 'M':
    case 'm':
        end = point(0);
        if (!checked(end))
            return false;
        path_.moveTo(end);
        subpathStart_ = end;
        break;
    case 'L':
    case 'l':
        end = point(0);
        if (!checked(end))
            return false;
        path_.lineTo(end);
        break;
    case 'H':
    case 'h':
        end = QPointF(relative ? current_.x() + a[0] : a[0], current_.y());
        if (!checked(end))
            return false;
        path_.lineTo(end);
        break;
    case 'V':
    case 'v':
        end = QPointF(current_.x(), relative ? current_.y() + a[0] : a[0]);
        if (!checked(end))
            return false;
        path_.lineTo(end);
        break;
    case 'C':
    case 'c': {
        const QPointF c1 = point(0);
        control = point(2);
        end = point(4);
        if (!checked(c1) || !checked(*control) || !checked(end))
            return false;
        path_.cubicTo(c1, *control, end);
        break;
    }
    case 'S':
    case 's': {
        const QPointF c1 = lastControl_ ? 2 * current_ - *lastControl_ : current_;
        control = point(0);
        end = point(2);
        if (!checked(c1) || !checked(*control) || !checked(end))
            return false;
        path_.cubicTo(c1, *control, end);
        break;
    }
    default: return false;
    }
    current_ = end;
    lastControl_ = control;
    return true;
}

int argumentCount(char command)
{
    switch (command) {
    case 'M':
    case 'm':
    case 'L':
    case 'l': return 2;
    case 'H':
    case 'h':
    case 'V':
    case 'v': return 1;
    case 'C':
    case 'c': return 6;
    case 'S':
    case 's': return 4;
    case 'Z':
    case 'z': return 0;
    default: return -1;
    }
}

std::optional<QPainterPath> PathReader::read()
{
    skipSpaces();
    if (atEnd() || (text_[pos_] != 'M' && text_[pos_] != 'm'))
        return std::nullopt;
    while (true) {
        skipSpaces();
        if (atEnd())
            break;
        char command = text_[pos_++];
        const int count = argumentCount(command);
        if (count < 0)
            return std::nullopt;
        if (count == 0) {
            path_.closeSubpath();
            current_ = subpathStart_;
            lastControl_.reset();
            closed_ = true;
            continue;
        }
        std::array<double, 6> args{};
        if (!numbers(args.data(), count) || !apply(command, args.data()))
            return std::nullopt;
        // Pairs after a move are lines of the same kind.
        if (command == 'M')
            command = 'L';
        else if (command == 'm')
            command = 'l';
        while (numberAhead(true)) {
            if (!numbers(args.data(), count) || !apply(command, args.data()))
                return std::nullopt;
        }
    }
    return path_;
}

}  // namespace

std::optional<QPainterPath> parseSvgPath(QByteArrayView d)
{
    return PathReader(d).read();
}

}  // namespace bks
