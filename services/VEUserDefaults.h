#pragma once

#include "services/VEPropertyList.h"

#include <QString>
#include <memory>
#include <optional>

// The preferences store.
//
// Each domain is one XML property-list file <folder>/<domain>.plist, the folder
// being $XDG_CONFIG_HOME/Velmora (default ~/.config/Velmora). The application's
// own domain is com.Corvane.Velmora; reads look in the global domain after it.
// Values set are visible to every later read in the process at once; synchronize
// writes the application domain to disk before it returns. Reads and writes may
// come from any thread.
class VEUserDefaults final {
public:
    static inline const QString kApplicationDomain = QStringLiteral("com.Corvane.Velmora");
    static inline const QString kGlobalDomain = QStringLiteral("NSGlobalDomain");

    // The one shared store of the process.
    static VEUserDefaults& standardUserDefaults();
    // Makes the shared store read its domains from another folder, dropping what
    // it held (tests); an empty folder means the default location.
    static void resetStandardUserDefaults(const QString& folder = {});
    // The folder that holds the domain files.
    static QString defaultFolder();

    explicit VEUserDefaults(const QString& folder, const QString& domain = kApplicationDomain);
    ~VEUserDefaults();
    VEUserDefaults(const VEUserDefaults&) = delete;
    VEUserDefaults& operator=(const VEUserDefaults&) = delete;

    // The stored value (application domain, then global domain); none when missing.
    VEPlistValue objectForKey(const QString& key) const;
    // The stored string, or none when missing or not a string.
    std::optional<QString> stringForKey(const QString& key) const;
    // The stored boolean; false when missing or not a boolean.
    bool boolForKey(const QString& key) const;
    // The stored integer; 0 when missing or not a number.
    qint64 integerForKey(const QString& key) const;
    // The stored real number; 0 when missing or not a number.
    double doubleForKey(const QString& key) const;
    std::optional<VEPlistArray> arrayForKey(const QString& key) const;
    std::optional<VEPlistDictionary> dictionaryForKey(const QString& key) const;

    void setObjectForKey(const VEPlistValue& value, const QString& key); // none removes the key
    void setBoolForKey(bool value, const QString& key);
    void setIntegerForKey(qint64 value, const QString& key);
    void removeObjectForKey(const QString& key);

    // Writes the application domain to disk now; false when it could not be written.
    bool synchronize();

    // Another program's whole domain, or none when it does not exist.
    std::optional<VEPlistDictionary> persistentDomainForName(const QString& name) const;
    void removePersistentDomainForName(const QString& name);
    void setPersistentDomainForName(const VEPlistDictionary& domain, const QString& name);

    // The file that holds a domain; empty for a name that is not a valid domain name.
    QString pathForDomain(const QString& name) const;

    // Whether a name may name a domain: not empty, at most 200 characters, not
    // beginning with '.', without '/', backslash or control characters (so that a
    // domain's file always lies inside the folder). Operations given another name
    // do nothing and read as none.
    static bool isValidDomainName(const QString& name);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
