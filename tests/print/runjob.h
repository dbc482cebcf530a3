#pragma once

#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "print/numbers/int16.h"
#include "print/numbers/numbertext.h"
#include "tests/print/layout_helpers.h"
#include "tests/support/builtsources.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/scriptedservices.h"

#include <set>

namespace bks::test {

// Eighty education kanji, enough for runs of several batches.
inline const QString kKanji = QStringLiteral(
    "一右雨円王音下火花貝学気九休玉金空月犬見五口校左三山子四糸字耳七車手十出女小上森人水正生青夕石赤千川先早草足村大男竹中虫町天田土二日入年白八百文木本名目立力林六");

// The sheet numbers from..to as a one-character sheet prints them.
inline std::vector<QString> fullWidth(int from, int to)
{
    std::vector<QString> out;
    for (int n = from; n <= to; ++n)
        out.push_back(fullWidthNumberText(qint16(n)));
    return out;
}

// One click of "連続印刷" on a text, with scripted dialogs and a recording
// printer.
struct Job {
    ScriptedServices services;
    RecordingSurface surface;
    SheetSources sources = builtSources();
    RunHost host;
    SheetSettings settings = sheetSettings();
    RunOptions options;
    RunCounters counters;
    TextQueue text1;
    QStringList saved;
    int opened = 0;

    explicit Job(const QString &text) : text1(text)
    {
        host.services = &services;
        host.sources = &sources;
        host.saveTemp = [this](const QString &t) { saved << t; };
        host.openSurface = [this](const PrinterChoice &) {
            ++opened;
            return std::make_unique<ForwardingSurface>(surface);
        };
        services.printers.push_back(PrinterChoice{QString(), QStringLiteral("/tmp/out.pdf")});
    }

    RunResult click()
    {
        if (services.printers.empty())
            services.printers.push_back(PrinterChoice{QString(), QStringLiteral("/tmp/out.pdf")});
        return runContinuous(host, text1, settings, options, counters);
    }

    // The sheet numbers as printed, in order, and the model characters.
    std::vector<QString> numbers() const { return numbersOf(surface); }
    static std::vector<QString> numbersOf(const RecordingSurface &s)
    {
        std::vector<QString> out;
        for (const auto &sheet : s.sheets())
            for (const RecordedOp &op : sheet)
                if (op.kind == RecordedOp::Print
                    && ((op.x == 1500 && op.fontSize == 13) || (op.x == 142 && op.y == 189)))
                    out.push_back(op.text);
        return out;
    }
    // The model characters of each sheet: what is printed at the sheet's
    // largest size.
    std::vector<std::set<QString>> models() const
    {
        std::vector<std::set<QString>> out;
        for (const auto &sheet : surface.sheets()) {
            double largest = 0;
            for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                largest = std::max(largest, op.fontSize);
            std::set<QString> models;
            for (const RecordedOp &op : opsOf(sheet, RecordedOp::Print))
                if (op.fontSize == largest)
                    models.insert(op.text);
            out.push_back(models);
        }
        return out;
    }
    // Sheets on which `text` is spelled out.
    int sheetsSpelling(const QString &text) const
    {
        int n = 0;
        for (const auto &sheet : surface.sheets())
            n += spelled(sheet, text).empty() ? 0 : 1;
        return n;
    }
};

}  // namespace bks::test
