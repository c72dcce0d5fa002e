// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QString>

// A label that shows a web address as a link (blue, underlined, a pointing
// hand) and holds a link target, its Tag, empty when created. A double-click
// with the left button emits doubleClicked(); a single click does nothing.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text = {}, QWidget *parent = nullptr);

    const QString &tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void underline();

    QString m_tag;
};
