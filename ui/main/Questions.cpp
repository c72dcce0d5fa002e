// SPDX-License-Identifier: MIT
#include "Questions.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

QMessageBox::StandardButton askInBox(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, parent ? parent->windowTitle() : QString(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Questions", "Ano")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("Questions", "Ne")},
        {QMessageBox::Save, QT_TRANSLATE_NOOP("Questions", "Uložit")},
        {QMessageBox::Discard, QT_TRANSLATE_NOOP("Questions", "Zahodit")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Questions", "Zrušit")},
        {QMessageBox::Apply, QT_TRANSLATE_NOOP("Questions", "Zapsat")},
        {QMessageBox::Abort, QT_TRANSLATE_NOOP("Questions", "Zpět")},
    };
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(QCoreApplication::translate("Questions", caption));
    }
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

QuestionBox &questionBox()
{
    static QuestionBox box = askInBox;
    return box;
}
