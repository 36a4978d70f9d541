#include "gui/widgets/C_NSTextFieldWithLink.h"

#include "Recorders.h"
#include "TestSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zirn;

TEST(LinkLabel, ClicksOpenTheUrlOrSignalOnce)
{
    test::RecordingDesktop desktop;
    C_NSTextFieldWithLink label;
    label.setDesktopServices(&desktop);
    label.resize(200, 30);
    QSignalSpy clicked(&label, &C_NSTextFieldWithLink::linkClicked);
    const auto click = [&label] { QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5)); };
    click();
    EXPECT_EQ(clicked.count(), 1);
    // With a URL the browser opens and no signal comes; a double click and the right button add nothing.
    label.setUrl(QStringLiteral("http://www.zirn-pdf.org/"));
    click();
    QTest::mouseDClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.zirn-pdf.org/"))});
    EXPECT_EQ(clicked.count(), 1);
    // Text that is no URL leaves none, so clicks signal again.
    label.setUrl(QStringLiteral("not a url"));
    click();
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(desktop.openedUrls.size(), 1);
}

TEST(LinkLabel, DisabledItselfOrWithItsWindowItLooksAndActsDisabled)
{
    const QPalette theme = QApplication::palette();
    QWidget window;
    auto* label = new C_NSTextFieldWithLink(&window);
    QSignalSpy clicked(label, &C_NSTextFieldWithLink::linkClicked);
    for (QWidget* disabled : {static_cast<QWidget*>(label), &window}) {
        disabled->setEnabled(false);
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  theme.color(QPalette::Disabled, QPalette::WindowText));
        EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(clicked.count(), 0);
        disabled->setEnabled(true);
        // Enabled again, it looks like a link again.
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  theme.color(QPalette::Active, QPalette::Link));
    }
}
