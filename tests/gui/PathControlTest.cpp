#include "gui/widgets/PathControl.h"

#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace zirn;

TEST(PathControl, ComponentsTellWhichWasClickedAndGiveWayWhenNarrow)
{
    PathControl control;
    control.setURL(QStringLiteral("/a/very/deeply/nested/folder/structure/for/the/output/files/"));
    EXPECT_EQ(control.URL(), QStringLiteral("/a/very/deeply/nested/folder/structure/for/the/output/files"));
    control.resize(160, 40);
    control.show();
    QCoreApplication::processEvents();
    const auto component = [&control](int i) {
        return control.findChild<QToolButton*>(QStringLiteral("pathComponent%1").arg(i));
    };
    ASSERT_TRUE(component(0) && component(10) && !component(11));
    EXPECT_FALSE(component(0)->isVisible());
    EXPECT_TRUE(component(10)->isVisible());
    control.resize(2000, 40);
    QCoreApplication::processEvents();
    EXPECT_TRUE(component(0)->isVisible());

    QSignalSpy clicked(&control, &PathControl::clicked);
    QTest::mouseClick(component(2), Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(control.clickedPathItem(), QStringLiteral("/a/very"));
}
