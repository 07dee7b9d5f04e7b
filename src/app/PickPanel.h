#pragma once

#include "app/PartnerFields.h"

#include <QFrame>
#include <QStringList>

class QListWidget;
class QToolButton;

// The panel that floats above the tabs with a copy of the partner list, four rows high. It stays
// open until its accept button or Escape is pressed; the rest of the window stays usable meanwhile.
class PickPanel : public QFrame
{
    Q_OBJECT

public:
    explicit PickPanel(QWidget *window);

    // Fills the list with entries, none selected, and shows the panel at topLeft for target.
    void open(const QStringList &entries, QPoint topLeft, PickTarget target);
    PickTarget target() const { return m_target; }
    // The selected entry; throws UserError "List index out of bounds (-1)" when none is selected.
    QString selectedEntry() const;

    QListWidget *list() const { return m_list; }
    QToolButton *acceptButton() const { return m_acceptButton; }

signals:
    void acceptPressed();

private:
    QListWidget *m_list;
    QToolButton *m_acceptButton;
    PickTarget m_target = PickTarget::UplatnicaPayer;
};
