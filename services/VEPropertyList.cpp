#include "services/VEPropertyList.h"

QString VEPlistValue::toString(const QString& fallback) const
{
    const QString* s = stringValue();
    return s ? *s : fallback;
}

bool VEPlistValue::toBool(bool fallback) const
{
    const bool* b = std::get_if<bool>(&mValue);
    return b ? *b : fallback;
}

qint64 VEPlistValue::toInteger(qint64 fallback) const
{
    if (const qint64* i = std::get_if<qint64>(&mValue))
        return *i;
    if (const double* r = std::get_if<double>(&mValue))
        return static_cast<qint64>(*r);
    return fallback;
}

double VEPlistValue::toReal(double fallback) const
{
    if (const double* r = std::get_if<double>(&mValue))
        return *r;
    if (const qint64* i = std::get_if<qint64>(&mValue))
        return static_cast<double>(*i);
    return fallback;
}

QByteArray VEPlistValue::toData() const
{
    const QByteArray* d = std::get_if<QByteArray>(&mValue);
    return d ? *d : QByteArray();
}

QDateTime VEPlistValue::toDate() const
{
    const QDateTime* d = std::get_if<QDateTime>(&mValue);
    return d ? *d : QDateTime();
}

const VEPlistValue& VEPlistValue::operator[](const QString& key) const
{
    static const VEPlistValue none;
    const Dictionary* dict = dictionaryValue();
    if (!dict)
        return none;
    const auto it = dict->find(key);
    return it == dict->end() ? none : it->second;
}

bool VEPlistValue::contains(const QString& key) const
{
    const Dictionary* dict = dictionaryValue();
    return dict && dict->find(key) != dict->end();
}
