#pragma once

#include <QChar>
#include <QString>
#include <vector>

namespace controls {

// A field's edit mask ("!99/99/00;1;_": '0' a required digit, '9' an optional one, 'L'/'l' a
// letter, 'A'/'a' a letter or digit, 'C'/'c' any character, '#' a digit or sign, '\' quotes the
// next character, '>'/'<' change case, '!' trims leading blanks; then whether the literals are
// kept in the text, and the character that shows an empty position) and what Qt makes of it.
class EditMask {
  public:
    EditMask() = default;
    explicit EditMask(const QString& fieldMask);

    bool isEmpty() const { return positions_.empty(); }
    // The same mask in QLineEdit's notation, where the digit letters are the other way round:
    // "00/00/99;_".
    const QString& inputMask() const { return inputMask_; }
    QChar blank() const { return blank_; }
    bool keepsLiterals() const { return keepLiterals_; }

    // The text as the mask shows it, with a blank for every empty position ("12/03/  "), from
    // what QLineEdit::displayText() shows; without the literals when the mask does not keep
    // them.
    QString maskedText(const QString& displayText) const;
    // The first position the mask requires that is still empty, or -1 when there is none.
    int firstMissing(const QString& displayText) const;

  private:
    struct Position {
        bool literal = false;
        bool required = false;
        QChar character;  // the literal itself
    };

    bool isEmptyAt(const QString& displayText, size_t position) const;

    std::vector<Position> positions_;
    QString inputMask_;
    QChar blank_ = QLatin1Char('_');
    bool keepLiterals_ = true;
};

}  // namespace controls
