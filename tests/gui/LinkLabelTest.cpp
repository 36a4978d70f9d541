#include "gui/widgets/C_NSTextFieldWithLink.h"

#include "Recorders.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zirn;

TEST(LinkLabel, ClicksAndThePressActionOpenTheUrlOrSignalOnce)
{
    test::RecordingDesktop desktop;
    QWidget window;
    auto* label = new C_NSTextFieldWithLink(&window);
    label->setDesktopServices(&desktop);
    label->resize(200, 30);
    QSignalSpy clicked(label, &C_NSTextFieldWithLink::linkClicked);
    const auto click = [label] { QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5)); };
    QAccessibleActionInterface* press = QAccessible::queryAccessibleInterface(label)->actionInterface();
    click();
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 2);
    // With a URL the browser opens and no signal comes; a double click and the right button add nothing.
    label->setUrl(QStringLiteral("http://www.zirn-pdf.org/"));
    click();
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.zirn-pdf.org/"))});
    EXPECT_EQ(clicked.count(), 2);
    // Disabled itself or with its window, it looks disabled and ignores clicks; enabled, it is a link again.
    const QPalette theme = QApplication::palette();
    label->setUrl(QStringLiteral("not a url"));
    for (QWidget* disabled : {static_cast<QWidget*>(label), &window}) {
        disabled->setEnabled(false);
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  theme.color(QPalette::Disabled, QPalette::WindowText));
        EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
        click();
        EXPECT_EQ(clicked.count(), 2);
        disabled->setEnabled(true);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), theme.color(QPalette::Active, QPalette::Link));
    }
    // Text that is no URL leaves none, so clicks signal again.
    click();
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(desktop.openedUrls.size(), 1);
}
