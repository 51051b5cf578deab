#pragma once

#include <QString>
#include <QTranslator>

// A made-up language for trying the windows before any translator has: each
// letter of a text an accented one, the text 40 % longer, its values (%1,
// %n), mnemonics and line breaks kept. A window in it shows at a glance
// whether every text was translated (no plain letter left) and whether a
// longer language still fits.
QString Pseudo(const QString& source);

class CPseudoTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
