#include "gui/widgets/C_NSTextFieldWithLink.h"
#include "gui/widgets/PathControl.h"

#include "Recorders.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

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
    // With a URL the browser opens and no signal comes.
    label->setUrl(QStringLiteral("http://www.zirn-pdf.org/"));
    click();
    EXPECT_EQ(desktop.openedUrls, QList<QUrl>{QUrl(QStringLiteral("http://www.zirn-pdf.org/"))});
    EXPECT_EQ(clicked.count(), 2);
    // Disabled with its window, it looks disabled; enabled again, it is a link again.
    const QPalette theme = QApplication::palette();
    window.setEnabled(false);
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              theme.color(QPalette::Disabled, QPalette::WindowText));
    window.setEnabled(true);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), theme.color(QPalette::Active, QPalette::Link));
    // Text that is no URL leaves none, so clicks signal again.
    label->setUrl(QStringLiteral("not a url"));
    click();
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(desktop.openedUrls.size(), 1);
}

// Each folder of the path is a component, and a click tells which.
TEST(PathControl, ComponentsTellWhichWasClicked)
{
    PathControl control;
    control.setURL(QStringLiteral("/a/very/deeply/nested/folder/"));
    EXPECT_EQ(control.URL(), QStringLiteral("/a/very/deeply/nested/folder"));
    control.show();
    QSignalSpy clicked(&control, &PathControl::clicked);
    QTest::mouseClick(control.findChild<QToolButton*>(QStringLiteral("pathComponent2")), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(control.clickedPathItem(), QStringLiteral("/a/very"));
}
