// SPDX-License-Identifier: MIT
#include "ImageBoxActions.h"

#include "Configuration.h"
#include "Form1.h"
#include "ImageText.h"
#include "ImageTextBox.h"

#include <QMessageBox>

ImageBoxActions::ImageBoxActions(QWidget &window, ImageTextBox &box, Configuration &config)
    : QObject(&window)
    , m_window(window)
    , m_box(box)
    , m_config(config)
{
}

void ImageBoxActions::showImage()
{
    m_box.clear();
    QString problem;
    if (!m_config.TableToImage(&problem)) {
        showMessage(problem + Form1::tr("\nObraz dat nebyl vytvořen."), MessageKind::Warning);
        return;
    }
    m_box.setImage(m_config.ConfigImage());
}

void ImageBoxActions::takeImage()
{
    if (m_box.isEmpty()) {
        showMessage(Form1::tr("Nutno vložit platná data !") + QLatin1Char('\n')
                        + Form1::tr("Vložte do pole obraz konfigurace jako text, například zkopírovaný z pole "
                                    "po „data -> win“ v jiném okně programu."),
                    MessageKind::Plain);
        return;
    }
    qsizetype unmapped = -1;
    const auto bytes = m_box.image(&unmapped);
    if (!bytes) {
        showMessage(ImageText::unmappedMessage(m_box.document()->toRawText(), unmapped), MessageKind::Warning);
        return;
    }
    if (!m_mayReplace())
        return;
    int failedPosition = 0;
    if (!m_config.ImageToTable(*bytes, &failedPosition))
        showMessage(ImageText::undecodableMessage(*bytes, failedPosition), MessageKind::Warning);
}

void ImageBoxActions::showMessage(const QString &text, MessageKind kind)
{
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, Form1::Title, text,
                    QMessageBox::Ok, &m_window);
    box.exec();
}
