#include "gui/widgets/PathControl.h"

#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace zirn;

TEST(PathControl, ShowsComponentsAndTellsWhichWasClicked)
{
    PathControl control;
    control.resize(800, 40);
    control.show();
    EXPECT_EQ(control.URL(), QString());
    EXPECT_FALSE(control.clickedPathItem().has_value());

    control.setURL(QStringLiteral("/home/alice/Reports/"));
    EXPECT_EQ(control.URL(), QStringLiteral("/home/alice/Reports"));
    EXPECT_EQ(control.componentPaths(), (QStringList{"/", "/home", "/home/alice", "/home/alice/Reports"}));

    QSignalSpy clicked(&control, &PathControl::clicked);
    auto* parent = control.findChild<QToolButton*>(QStringLiteral("pathComponent2"));
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->text(), QStringLiteral("alice"));
    QTest::mouseClick(parent, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(control.clickedPathItem(), QStringLiteral("/home/alice"));
    EXPECT_EQ(control.URL(), QStringLiteral("/home/alice/Reports")); // a click chooses nothing itself

    control.setURL(QString());
    EXPECT_TRUE(control.componentPaths().isEmpty());
}

TEST(PathControl, LeadingComponentsGiveWayWhenNarrow)
{
    PathControl control;
    control.setURL(QStringLiteral("/a/very/deeply/nested/folder/structure/for/the/output/files"));
    control.resize(160, 40);
    control.show();
    QCoreApplication::processEvents();
    auto* last = control.findChild<QToolButton*>(QStringLiteral("pathComponent10"));
    auto* first = control.findChild<QToolButton*>(QStringLiteral("pathComponent0"));
    ASSERT_TRUE(last && first);
    EXPECT_TRUE(last->isVisible());
    EXPECT_FALSE(first->isVisible());
    control.resize(2000, 40);
    QCoreApplication::processEvents();
    EXPECT_TRUE(first->isVisible());
}
