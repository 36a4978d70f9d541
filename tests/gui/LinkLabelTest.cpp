#include "gui/widgets/C_NSTextFieldWithLink.h"

#include "Recorders.h"
#include "TestSupport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace zirn;

namespace {

class Listener : public QObject, public LinkClickedDelegate
{
public:
    void linkClicked(C_NSTextFieldWithLink* sender) override { senders.append(sender); }
    QList<C_NSTextFieldWithLink*> senders;
};

class LinkLabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        label.setDesktopServices(&desktop);
        label.setStringValue(QStringLiteral("Open the settings"));
        label.resize(200, 30);
    }

    void click() { QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5)); }

    test::RecordingDesktop desktop;
    C_NSTextFieldWithLink label;
    Listener listener;
};

} // namespace

TEST_F(LinkLabelTest, ClickOpensTheUrlOrTellsTheDelegate)
{
    label.setDelegate(&listener);
    click();
    EXPECT_EQ(listener.senders, QList<C_NSTextFieldWithLink*>{&label});

    // With a URL the browser opens, and the delegate hears nothing.
    label.setUrl(QStringLiteral("http://www.zirn-pdf.org/"));
    click();
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.zirn-pdf.org/"))});
    EXPECT_EQ(listener.senders.size(), 1);

    // Text that is no URL leaves none, so clicks reach the delegate again.
    label.setUrl(QStringLiteral("not a url"));
    EXPECT_FALSE(label.pUrl().has_value());
    click();
    EXPECT_EQ(listener.senders.size(), 2);
    EXPECT_EQ(desktop.openedUrls.size(), 1);
}

TEST_F(LinkLabelTest, DoubleClickActsOnceAndOnlyTheLeftButtonCounts)
{
    label.setUrl(QStringLiteral("https://www.zirn-pdf.org/"));
    // A double click: the first press and release, then the second press as a double click.
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktop.openedUrls.size(), 1);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktop.openedUrls.size(), 1);
}

TEST_F(LinkLabelTest, NobodyToTellMeansNothingHappens)
{
    click(); // no URL, no delegate
    QObject stranger;
    label.setDelegate(&stranger); // does not implement linkClicked
    click();
    {
        Listener shortLived;
        label.setDelegate(&shortLived);
    }
    click(); // the delegate is gone
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
}

TEST_F(LinkLabelTest, EnabledStateDrivesColourCursorAndClicks)
{
    label.setDelegate(&listener);
    const QPalette theme = QApplication::palette(&label);

    label.setEnabled(true);
    EXPECT_TRUE(label.isUnderlined());
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText),
              theme.color(QPalette::Active, QPalette::Link));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    label.setEnabled(false);
    EXPECT_TRUE(label.isUnderlined()); // underlined in both states
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText),
              theme.color(QPalette::Disabled, QPalette::WindowText));
    EXPECT_EQ(label.cursor().shape(), Qt::ArrowCursor);
    click();
    EXPECT_TRUE(listener.senders.isEmpty());

    // Text set after setEnabled keeps the colour but loses the underline until the next call.
    label.setEnabled(true);
    label.setStringValue(QStringLiteral("Other text"));
    EXPECT_FALSE(label.isUnderlined());
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText),
              theme.color(QPalette::Active, QPalette::Link));
    label.setEnabled(true);
    EXPECT_TRUE(label.isUnderlined());
    EXPECT_EQ(label.stringValue(), QStringLiteral("Other text"));
    EXPECT_TRUE(label.text().contains(QStringLiteral("<u>Other text</u>")));
}

TEST_F(LinkLabelTest, MarkupInTheTextIsShownLiterally)
{
    label.setStringValue(QStringLiteral("<b>bold</b> & more"));
    label.setEnabled(true);
    EXPECT_EQ(label.stringValue(), QStringLiteral("<b>bold</b> & more"));
    EXPECT_TRUE(label.text().contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; more")));
}
