// SPDX-License-Identifier: MIT
// InputFilter: what an edit of a field keeps when characters are refused or
// the field is full.
#include "InputFilter.h"

#include <QLineEdit>
#include <QTest>

namespace {

constexpr int MaxLength = 5;

bool isNotDigit(QChar ch)
{
    return !ch.isDigit();
}

} // namespace

class TestInputFilter : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
    void textAsIsStays();
};

void TestInputFilter::insertion_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor"); // -1: not checked

    QTest::newRow("room enough") << "ab" << 2 << 0 << "cd" << "abcd" << 4;
    QTest::newRow("refused dropped") << "ab" << 1 << 0 << "x1y" << "axyb" << 3;
    QTest::newRow("only refused") << "ab" << 1 << 0 << "12" << "ab" << 1;
    QTest::newRow("cut to the room, in the middle") << "abcd" << 2 << 0 << "xyz" << "abxcd" << 3;
    QTest::newRow("refused take no room") << "abcd" << 2 << 0 << "1x2" << "abxcd" << 3;
    QTest::newRow("selection replaced") << "abcd" << 1 << 2 << "xyz" << "axyzd" << 4;
    QTest::newRow("selection replaced, cut") << "abcde" << 1 << 1 << "wxyz" << "awcde" << 2;
    QTest::newRow("selection replaced by refused") << "abcde" << 1 << 3 << "9" << "ae" << 1;
    QTest::newRow("full field") << "abcde" << 5 << 0 << "f" << "abcde" << 5;
    QTest::newRow("same letters") << "aa" << 1 << 0 << "a" << "aaa" << 2;
    QTest::newRow("same letters, full") << "aaa" << 0 << 0 << "aba" << "abaaa" << -1;
}

void TestInputFilter::insertion()
{
    QFETCH(QString, start);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, inserted);
    QFETCH(QString, text);
    QFETCH(int, cursor);

    QLineEdit field;
    auto *filter = new InputFilter(isNotDigit, MaxLength, &field);
    filter->setTextAsIs(start);
    field.setSelection(selectionStart, selectionLength);
    field.insert(inserted);

    QCOMPARE(field.text(), text);
    if (cursor >= 0)
        QCOMPARE(field.cursorPosition(), cursor);
}

// Text the program puts in stays as it is, longer or with refused
// characters; the user can shorten it but not add to it.
void TestInputFilter::textAsIsStays()
{
    QLineEdit field;
    auto *filter = new InputFilter(isNotDigit, MaxLength, &field);
    filter->setTextAsIs(QStringLiteral("a1b2c3d"));
    QCOMPARE(field.text(), "a1b2c3d");
    field.end(false);
    field.insert(QStringLiteral("x"));
    QCOMPARE(field.text(), "a1b2c3d");
    field.backspace();
    field.backspace();
    field.backspace();
    QCOMPARE(field.text(), "a1b2");
    field.insert(QStringLiteral("y7z"));
    QCOMPARE(field.text(), "a1b2y");
}

QTEST_MAIN(TestInputFilter)
#include "tst_inputfilter.moc"
