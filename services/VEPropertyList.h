#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <map>
#include <optional>
#include <variant>
#include <vector>

// A property-list value: none, string, boolean, integer, real, data, date, array
// or dictionary. Values are plain copyable records. Reading a value as a type it
// does not hold gives the fallback (or none), never an error.
class VEPlistValue {
public:
    enum class Type { None, String, Boolean, Integer, Real, Data, Date, Array, Dictionary };
    using Array = std::vector<VEPlistValue>;
    using Dictionary = std::map<QString, VEPlistValue>;

    VEPlistValue() = default;
    VEPlistValue(const QString& string) : mValue(string) {}
    VEPlistValue(const char* string) : mValue(QString::fromUtf8(string)) {}
    VEPlistValue(bool boolean) : mValue(boolean) {}
    VEPlistValue(int integer) : mValue(static_cast<qint64>(integer)) {}
    VEPlistValue(qint64 integer) : mValue(integer) {}
    VEPlistValue(long integer) : mValue(static_cast<qint64>(integer)) {}
    VEPlistValue(unsigned int integer) : mValue(static_cast<qint64>(integer)) {}
    VEPlistValue(double real) : mValue(real) {}
    VEPlistValue(const QByteArray& data) : mValue(data) {}
    VEPlistValue(const QDateTime& date) : mValue(date.toUTC()) {}
    VEPlistValue(Array array) : mValue(std::move(array)) {}
    VEPlistValue(Dictionary dictionary) : mValue(std::move(dictionary)) {}

    Type type() const { return static_cast<Type>(mValue.index()); }
    bool isNone() const { return type() == Type::None; }
    bool isString() const { return type() == Type::String; }
    bool isBoolean() const { return type() == Type::Boolean; }
    bool isInteger() const { return type() == Type::Integer; }
    bool isReal() const { return type() == Type::Real; }
    bool isNumber() const { return isInteger() || isReal(); }
    bool isData() const { return type() == Type::Data; }
    bool isDate() const { return type() == Type::Date; }
    bool isArray() const { return type() == Type::Array; }
    bool isDictionary() const { return type() == Type::Dictionary; }

    // Typed reads: the held value, or the fallback when the value is of another type.
    QString toString(const QString& fallback = {}) const;
    bool toBool(bool fallback = false) const;
    qint64 toInteger(qint64 fallback = 0) const; // integers, and reals truncated
    double toReal(double fallback = 0) const;    // reals and integers
    QByteArray toData() const;
    QDateTime toDate() const;

    // Typed access without copying: none when the value is of another type.
    const QString* stringValue() const { return std::get_if<QString>(&mValue); }
    const Array* arrayValue() const { return std::get_if<Array>(&mValue); }
    Array* arrayValue() { return std::get_if<Array>(&mValue); }
    const Dictionary* dictionaryValue() const { return std::get_if<Dictionary>(&mValue); }
    Dictionary* dictionaryValue() { return std::get_if<Dictionary>(&mValue); }

    // Dictionary lookup: the value under the key, or none when this is not a
    // dictionary or the key is missing.
    const VEPlistValue& operator[](const QString& key) const;
    bool contains(const QString& key) const;

    friend bool operator==(const VEPlistValue&, const VEPlistValue&) = default;

    // Reading and writing property lists (libplist). Reading accepts XML and
    // binary property lists; writing produces XML. Reads give none when the bytes
    // are not a property list.
    static std::optional<VEPlistValue> fromData(const QByteArray& bytes);
    static std::optional<VEPlistValue> readFile(const QString& path);
    QByteArray toXml() const;
    QByteArray toBinary() const;

private:
    std::variant<std::monostate, QString, bool, qint64, double, QByteArray, QDateTime, Array, Dictionary> mValue;
};

using VEPlistArray = VEPlistValue::Array;
using VEPlistDictionary = VEPlistValue::Dictionary;
