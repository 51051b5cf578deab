#include "FreqEdit.h"
#include "NameEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(RowEditorKeys, FrequencyBoxTakesDigitsAndOnePointButPastesAnything) {
    CFreqEdit box;
    box.setMaxLength(9);
    QTest::keyClicks(&box, QStringLiteral("439,125.,aZ- !999"));
    EXPECT_EQ(box.text(), QStringLiteral("439.12599"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("39.1259"));
    // A point inside the selection that the key would replace still counts.
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral(".5,"));
    EXPECT_EQ(box.text(), QStringLiteral("5."));
    box.clear();
    QApplication::clipboard()->setText(QStringLiteral("1a.2.3"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("1a.2.3"));
}

TEST(RowEditorKeys, NameBoxTakesNameCharactersInCapitalsTypedOrPasted) {
    CNameEdit box;
    box.setMaxLength(6);
    QTest::keyClicks(&box, QStringLiteral("ab-1!?.,~*/+"));
    EXPECT_EQ(box.text(), QStringLiteral("AB-1*/"));
    box.clear();
    QApplication::clipboard()->setText(QStringLiteral("cd e_"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("CD E_"));
    box.clear();
    QApplication::clipboard()->setText(QStringLiteral("ab!"));
    box.paste();
    EXPECT_EQ(box.text(), QString());
}

} // namespace
