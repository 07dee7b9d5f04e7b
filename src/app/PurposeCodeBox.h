#pragma once

#include <QComboBox>

#include <span>

class LineBox;

// The purpose code of a HUB-3A slip: an editable combo box whose list offers the common ISO 20022
// purpose codes with their Croatian names ("COST  Plaćanje troškova"); choosing one puts its four
// letters in the box, and any four capital letters may be typed (small ones are raised).
class PurposeCodeBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PurposeCodeBox(QWidget *parent = nullptr);

    // The box's editor, with the look and the rules of the other entry fields.
    LineBox *editor() const { return m_editor; }

private:
    LineBox *m_editor;
};

// The codes the list offers, each with its Croatian name.
struct PurposeCode
{
    const char *code;
    const char16_t *name;
};
std::span<const PurposeCode> purposeCodes();
