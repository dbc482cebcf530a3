#include "print/content/sheetsources.h"

#include "kanji/kanjifacts.h"

namespace bks {

namespace {

class StrokeSource : public SheetSource {
public:
    explicit StrokeSource(std::function<StrokeData()> open) : m_open(std::move(open)) {}
    explicit StrokeSource(StrokeData data) : m_data(std::move(data)) {}

    QString problem() const override { return data().problem(); }
    std::any lookUp(char32_t codePoint) const override
    {
        std::optional<CharacterStrokes> strokes = data().lookup(codePoint);
        return strokes ? std::any(std::move(*strokes)) : std::any();
    }

private:
    const StrokeData &data() const
    {
        if (!m_data)
            m_data = m_open();
        return *m_data;
    }

    std::function<StrokeData()> m_open;
    mutable std::optional<StrokeData> m_data;
};

class FactsSource : public SheetSource {
public:
    explicit FactsSource(KanjiFacts facts) : m_facts(std::move(facts)) {}
    QString problem() const override { return m_facts.problem(); }
    std::any lookUp(char32_t codePoint) const override
    {
        if (std::optional<KanjiFactsEntry> entry = m_facts.lookup(codePoint))
            return std::move(*entry);
        return {};
    }
    const KanjiFacts &facts() const { return m_facts; }

private:
    KanjiFacts m_facts;
};

}  // namespace

void SheetSources::add(std::string_view id, std::shared_ptr<const SheetSource> source)
{
    for (auto &[name, held] : m_sources)
        if (name == id) {
            held = std::move(source);
            return;
        }
    m_sources.emplace_back(std::string(id), std::move(source));
}

const SheetSource *SheetSources::find(std::string_view id) const
{
    for (const auto &[name, source] : m_sources)
        if (name == id)
            return source.get();
    return nullptr;
}

QString SheetSources::problem(std::span<const std::string_view> ids) const
{
    for (const std::string_view id : ids) {
        const SheetSource *source = find(id);
        if (!source)
            return QStringLiteral("印刷に使うデータ（%1）がありません。")
                .arg(QString::fromUtf8(id.data(), qsizetype(id.size())));
        if (QString why = source->problem(); !why.isEmpty())
            return why;
    }
    return {};
}

std::shared_ptr<const SheetSource> strokeSource(std::function<StrokeData()> open)
{
    return std::make_shared<StrokeSource>(std::move(open));
}

std::shared_ptr<const SheetSource> strokeSource(StrokeData data)
{
    return std::make_shared<StrokeSource>(std::move(data));
}

std::shared_ptr<const SheetSource> factsSource(const QString &path)
{
    return std::make_shared<FactsSource>(KanjiFacts::open(path));
}

const KanjiFacts *kanjiFactsIn(const SheetSources &sources)
{
    const auto *source = dynamic_cast<const FactsSource *>(sources.find(kFacts.id));
    return source ? &source->facts() : nullptr;
}

SheetSources installedSources()
{
    SheetSources sources;
    sources.add(kFacts.id, factsSource(KanjiFacts::installedPath()));
    sources.add(kStrokes.id, strokeSource([] { return StrokeData::fromFile(StrokeData::installedPath()); }));
    return sources;
}

}  // namespace bks
