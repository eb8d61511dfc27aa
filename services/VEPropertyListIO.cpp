// Reading and writing property lists through libplist (2.2).
//
// libplist keeps every integer as an unsigned 64-bit number with a width tag:
// 8 bytes means "signed 64-bit", 16 bytes means "unsigned above INT64_MAX". Our
// integers are signed 64-bit: nodes are made with the 8-byte tag (so negative
// numbers are written as negative numbers), and read values are taken as the
// signed reading of the 64 bits.
//
// libplist dates are seconds and microseconds since 2001-01-01 00:00:00 UTC, the
// seconds held in 32 bits (about 1933 to 2069); dates outside that range are
// clamped to it. XML keeps whole seconds only.

#include "services/VEPropertyList.h"

#include <QFile>
#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace {

// Deeper nesting than this is not a preferences file; refusing it keeps the
// recursive conversion's stack use bounded.
constexpr int kMaxDepth = 256;

// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 kReferenceDateMsecs = 978307200LL * 1000;

struct PlistDeleter {
    void operator()(void* node) const
    {
        if (node)
            plist_free(node);
    }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

std::optional<VEPlistValue> fromNode(plist_t node, int depth);

std::optional<VEPlistValue> dateFromNode(plist_t node)
{
    constexpr int32_t maxSec = std::numeric_limits<int32_t>::max();
    constexpr int32_t minSec = std::numeric_limits<int32_t>::min();
    // The held value may lie outside what the 32-bit accessor can report.
    qint64 msecs = 0;
    if (plist_date_val_compare(node, maxSec, 0) > 0) {
        msecs = static_cast<qint64>(maxSec) * 1000;
    } else if (plist_date_val_compare(node, minSec, 0) < 0) {
        msecs = static_cast<qint64>(minSec) * 1000;
    } else {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        // The accessor truncates toward zero and reports the fraction unsigned.
        const qint64 fraction = static_cast<qint64>(std::abs(usec)) / 1000;
        msecs = static_cast<qint64>(sec) * 1000 + (sec < 0 ? -fraction : fraction);
    }
    return VEPlistValue(QDateTime::fromMSecsSinceEpoch(kReferenceDateMsecs + msecs, Qt::UTC));
}

std::optional<VEPlistValue> fromNode(plist_t node, int depth)
{
    if (!node || depth > kMaxDepth)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return VEPlistValue(b != 0);
    }
    case PLIST_UINT: {
        uint64_t u = 0;
        plist_get_uint_val(node, &u);
        return VEPlistValue(static_cast<qint64>(u));
    }
    case PLIST_UID: {
        // A keyed-archive reference; kept the way XML spells it.
        uint64_t u = 0;
        plist_get_uid_val(node, &u);
        VEPlistDictionary uid;
        uid.emplace(QStringLiteral("CF$UID"), VEPlistValue(static_cast<qint64>(u)));
        return VEPlistValue(std::move(uid));
    }
    case PLIST_REAL: {
        double r = 0;
        plist_get_real_val(node, &r);
        return VEPlistValue(r);
    }
    case PLIST_KEY: {
        char* key = nullptr;
        plist_get_key_val(node, &key);
        const QString name = QString::fromUtf8(key ? key : "");
        std::free(key);
        return VEPlistValue(name);
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* s = plist_get_string_ptr(node, &length);
        if (!s)
            return VEPlistValue(QString());
        return VEPlistValue(QString::fromUtf8(s, static_cast<qsizetype>(length)));
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return VEPlistValue(QByteArray(bytes ? bytes : "", bytes ? static_cast<qsizetype>(length) : 0));
    }
    case PLIST_DATE:
        return dateFromNode(node);
    case PLIST_ARRAY: {
        VEPlistArray array;
        const uint32_t n = plist_array_get_size(node);
        array.reserve(n);
        for (uint32_t i = 0; i < n; ++i) {
            std::optional<VEPlistValue> item = fromNode(plist_array_get_item(node, i), depth + 1);
            if (!item)
                return std::nullopt;
            array.push_back(std::move(*item));
        }
        return VEPlistValue(std::move(array));
    }
    case PLIST_DICT: {
        VEPlistDictionary dict;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        if (!it)
            return VEPlistValue(std::move(dict));
        bool ok = true;
        for (;;) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, it, &key, &value);
            if (!value) {
                std::free(key);
                break;
            }
            std::optional<VEPlistValue> item = fromNode(value, depth + 1);
            const QString name = QString::fromUtf8(key ? key : "");
            std::free(key);
            if (!item) {
                ok = false;
                break;
            }
            dict.insert_or_assign(name, std::move(*item));
        }
        std::free(it);
        if (!ok)
            return std::nullopt;
        return VEPlistValue(std::move(dict));
    }
    case PLIST_NONE:
    default:
        return std::nullopt;
    }
}

plist_t newInteger(qint64 value)
{
    // plist_new_uint tags values above INT_MAX as unsigned 128-bit-wide numbers,
    // which would write negative numbers as huge positive ones; setting the value
    // afterwards gives the plain 8-byte (signed) tag.
    plist_t node = plist_new_uint(0);
    plist_set_uint_val(node, static_cast<uint64_t>(value));
    return node;
}

plist_t newDate(const QDateTime& date, bool wholeSeconds)
{
    const qint64 msecs = date.isValid() ? date.toMSecsSinceEpoch() - kReferenceDateMsecs : 0;
    qint64 sec = msecs / 1000;
    qint64 rem = msecs % 1000;
    if (rem < 0) {
        rem += 1000;
        --sec;
    }
    constexpr qint64 maxSec = std::numeric_limits<int32_t>::max();
    constexpr qint64 minSec = std::numeric_limits<int32_t>::min();
    if (sec > maxSec) {
        sec = maxSec;
        rem = 0;
    } else if (sec < minSec) {
        sec = minSec;
        rem = 0;
    }
    if (wholeSeconds)
        rem = 0;
    return plist_new_date(static_cast<int32_t>(sec), static_cast<int32_t>(rem * 1000));
}

plist_t toNode(const VEPlistValue& value, bool wholeSeconds)
{
    switch (value.type()) {
    case VEPlistValue::Type::None:
        return nullptr;
    case VEPlistValue::Type::String:
        return plist_new_string(value.stringValue()->toUtf8().constData());
    case VEPlistValue::Type::Boolean:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case VEPlistValue::Type::Integer:
        return newInteger(value.toInteger());
    case VEPlistValue::Type::Real:
        return plist_new_real(value.toReal());
    case VEPlistValue::Type::Data: {
        const QByteArray bytes = value.toData();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case VEPlistValue::Type::Date:
        return newDate(value.toDate(), wholeSeconds);
    case VEPlistValue::Type::Array: {
        plist_t array = plist_new_array();
        for (const VEPlistValue& item : *value.arrayValue()) {
            // An array cannot hold "none"; such entries are left out.
            if (plist_t node = toNode(item, wholeSeconds))
                plist_array_append_item(array, node);
        }
        return array;
    }
    case VEPlistValue::Type::Dictionary: {
        plist_t dict = plist_new_dict();
        for (const auto& [key, item] : *value.dictionaryValue()) {
            if (plist_t node = toNode(item, wholeSeconds))
                plist_dict_set_item(dict, key.toUtf8().constData(), node);
        }
        return dict;
    }
    }
    return nullptr;
}

} // namespace

std::optional<VEPlistValue> VEPlistValue::fromData(const QByteArray& bytes)
{
    if (bytes.isEmpty() || static_cast<quint64>(bytes.size()) > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    plist_t root = nullptr;
    const auto length = static_cast<uint32_t>(bytes.size());
    if (plist_is_binary(bytes.constData(), length))
        plist_from_bin(bytes.constData(), length, &root);
    else
        plist_from_xml(bytes.constData(), length, &root);
    PlistPtr owner(root);
    if (!root)
        return std::nullopt;
    return fromNode(root, 0);
}

std::optional<VEPlistValue> VEPlistValue::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromData(file.readAll());
}

QByteArray VEPlistValue::toXml() const
{
    PlistPtr root(toNode(*this, true));
    if (!root)
        return {};
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    if (!xml)
        return {};
    QByteArray out(xml, static_cast<qsizetype>(length));
    plist_to_xml_free(xml);
    return out;
}

QByteArray VEPlistValue::toBinary() const
{
    PlistPtr root(toNode(*this, false));
    if (!root)
        return {};
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bin, &length);
    if (!bin)
        return {};
    QByteArray out(bin, static_cast<qsizetype>(length));
    plist_to_bin_free(bin);
    return out;
}
