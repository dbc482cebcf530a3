#include "kanji/tools/wordalign.h"

#include "kanji/tools/okurigana.h"


namespace bks {
namespace {

constexpr char16_t kRepeatMark = u'々';

bool isKana(char32_t c)
{
    return (c >= 0x3041 && c <= 0x309F) || (c >= 0x30A1 && c <= 0x30FC);
}

QChar voiced(QChar c)
{
    static const QString plain = QStringLiteral("かきくけこさしすせそたちつてとはひふへほ");
    static const QString marked = QStringLiteral("がぎぐげござじずぜぞだぢづでどばびぶべぼ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? QChar() : marked[at];
}

QChar halfVoiced(QChar c)
{
    static const QString plain = QStringLiteral("はひふへほ");
    static const QString marked = QStringLiteral("ぱぴぷぺぽ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? QChar() : marked[at];
}

// The i-row kana of a verb's stem form (書く → 書き).
QChar stemForm(QChar c)
{
    static const QString plain = QStringLiteral("うくぐすつぬぶむる");
    static const QString stem = QStringLiteral("いきぎしちにびみり");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? QChar() : stem[at];
}

struct Form {
    QString kana;
    int readingIndex = 0;
    bool halfVoiced = false;  // only after ん or っ
};

// The sounds a kanji's readings may take at one place of a word.
QList<Form> formsOf(const QList<KanjiReading> &readings, bool first, bool last)
{
    QList<Form> out;
    for (int i = 0; i < readings.size(); ++i) {
        const KanjiReading &r = readings[i];
        QStringList base;
        if (r.kind == ReadingKind::On) {
            base.append(toHiragana(r.text));
        } else {
            base.append(r.stem());
            const QString okurigana = r.okurigana();
            if (!okurigana.isEmpty()) {
                base.append(r.text);
                if (okurigana.size() >= 2 && okurigana.endsWith(QStringLiteral("る")))
                    base.append(r.stem() + okurigana.chopped(1));
                if (const QChar s = stemForm(okurigana.back()); !s.isNull())
                    base.append(r.stem() + okurigana.chopped(1) + s);
            }
        }
        if (!last) {
            for (qsizetype b = 0, n = base.size(); b < n; ++b) {
                const QString &k = base[b];
                if (k.size() >= 2 && QStringLiteral("くきちつり").contains(k.back()))
                    base.append(k.chopped(1) + QStringLiteral("っ"));
            }
        }
        for (const QString &k : base) {
            out.append({k, i, false});
            if (first)
                continue;
            if (const QChar v = voiced(k.front()); !v.isNull())
                out.append({v + k.mid(1), i, false});
            if (const QChar p = halfVoiced(k.front()); !p.isNull())
                out.append({p + k.mid(1), i, true});
        }
    }
    return out;
}

class Aligner {
public:
    Aligner(const QString &word, const QString &reading, const JoyoReadings &readings,
            const QList<std::pair<char32_t, int>> &preferred)
        : m_characters(word.toUcs4()), m_kana(toHiragana(reading)), m_readings(readings),
          m_preferred(preferred)
    {
        qsizetype at = 0;
        for (uint c : m_characters) {
            m_starts.append(at);
            at += width(c);
        }
    }

    QList<QList<WordPart>> run()
    {
        QList<WordPart> parts;
        step(0, 0, parts);
        return m_found;
    }

private:
    static int width(char32_t c) { return c > 0xFFFF ? 2 : 1; }

    void step(qsizetype i, qsizetype j, QList<WordPart> &parts)
    {
        if (i == m_characters.size()) {
            if (j == m_kana.size())
                keep(parts);
            return;
        }
        const char32_t c = m_characters[i];
        if (isKana(c)) {
            if (j < m_kana.size() && toHiragana(QString(QChar(char16_t(c)))) == m_kana.mid(j, 1)) {
                parts.append(part(i, j, 1, -1));
                step(i + 1, j + 1, parts);
                parts.removeLast();
            }
            return;
        }
        char32_t kanji = c;
        if (c == kRepeatMark) {
            if (i == 0 || isKana(m_characters[i - 1]))
                return;
            kanji = m_characters[i - 1];
        }
        const auto found = m_readings.constFind(kanji);
        if (found == m_readings.cend())
            return;
        for (const Form &f : formsOf(*found, i == 0, i + 1 == m_characters.size())) {
            if (f.halfVoiced && (j == 0 || !QStringLiteral("んっ").contains(m_kana[j - 1])))
                continue;
            if (QStringView(m_kana).mid(j).startsWith(f.kana)) {
                parts.append(part(i, j, f.kana.size(), f.readingIndex));
                step(i + 1, j + f.kana.size(), parts);
                parts.removeLast();
            }
        }
    }

    WordPart part(qsizetype i, qsizetype j, qsizetype length, int readingIndex) const
    {
        WordPart p;
        p.character = m_characters[i];
        p.textStart = m_starts[i];
        p.textLength = width(m_characters[i]);
        p.reading = m_kana.mid(j, length);
        p.readingIndex = readingIndex;
        return p;
    }

    // Which of several ways to the same sounds is meant: the reading the
    // table lists the word under, then the reading as it is (帯 おび rather
    // than おびる's stem; 存 ゾン rather than ソン voiced), then the reading
    // whose okurigana the kana after the kanji spell.
    int score(const QList<WordPart> &parts) const
    {
        int total = 0;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const WordPart &p = parts[i];
            if (p.readingIndex < 0)
                continue;
            const char32_t kanji = p.character == kRepeatMark && i > 0 ? parts[i - 1].character : p.character;
            const auto readings = m_readings.constFind(kanji);
            if (readings == m_readings.cend() || p.readingIndex >= readings->size())
                continue;
            if (m_preferred.contains(std::pair{kanji, p.readingIndex}))
                total += 100;
            const KanjiReading &r = readings->at(p.readingIndex);
            QString following;
            for (qsizetype k = i + 1; k < parts.size() && isKana(parts[k].character); ++k)
                following += parts[k].reading;
            const int fit = okuriganaFit(r.okurigana(), following);
            if (p.reading == toHiragana(r.text) || (p.reading == r.stem() && fit == 3))
                total += 10;
            total += fit;
        }
        return total;
    }

    void keep(const QList<WordPart> &parts)
    {
        QStringList key;
        for (const WordPart &p : parts)
            key.append(p.reading);
        const QString joined = key.join(QLatin1Char('|'));
        const qsizetype seen = m_keys.indexOf(joined);
        if (seen < 0) {
            m_keys.append(joined);
            m_found.append(parts);
        } else if (score(parts) > score(m_found[seen])) {
            m_found[seen] = parts;
        }
    }

    QList<uint> m_characters;
    QList<qsizetype> m_starts;
    QString m_kana;
    const JoyoReadings &m_readings;
    const QList<std::pair<char32_t, int>> &m_preferred;
    QStringList m_keys;
    QList<QList<WordPart>> m_found;
};

}  // namespace

QList<QList<WordPart>> alignWord(const QString &word, const QString &reading, const JoyoReadings &readings,
                                 const QList<std::pair<char32_t, int>> &preferred)
{
    return Aligner(word, reading, readings, preferred).run();
}

}  // namespace bks
