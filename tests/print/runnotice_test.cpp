// An output that succeeded but has something to say (a job waiting at a
// stopped printer) is a success: the sheets count as printed and the user
// is told, without the failure message.
#include "print/run/continuousrun.h"
#include "print/run/runmessages.h"
#include "tests/print/layout_helpers.h"
#include "tests/support/forwardingsurface.h"
#include "tests/support/scriptedservices.h"

#include <gtest/gtest.h>

namespace bks::test {
namespace {

class HeldJobSurface : public ForwardingSurface {
public:
    using ForwardingSurface::ForwardingSurface;
    QString notice() const override
    {
        return QStringLiteral("印刷ジョブ 7 はプリンターで保留されています。");
    }
};

TEST(RunNotice, HeldJobIsToldAndTheSheetsCountAsPrinted)
{
    ScriptedServices services;
    services.printers.push_back(PrinterChoice{QStringLiteral("queue"), QString()});
    RecordingSurface recording;
    RunHost host;
    host.services = &services;
    host.openSurface = [&recording](const PrinterChoice &) {
        return std::make_unique<HeldJobSurface>(recording);
    };
    TextQueue text1(QStringLiteral("右左森"));
    RunOptions options;
    options.perSheet = 1;
    RunCounters counters;

    EXPECT_EQ(runContinuous(host, text1, sheetSettings(), options, counters), RunResult::Printed);
    EXPECT_TRUE(text1.text().isEmpty());
    EXPECT_EQ(recording.sheets().size(), 3u);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QStringLiteral("印刷ジョブ 7 はプリンターで保留されています。"));
    EXPECT_EQ(services.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(services.messages[0].buttons, MsgButtons::Ok);
}

}  // namespace
}  // namespace bks::test
