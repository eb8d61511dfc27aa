#pragma once

#include "services/VEPropertyList.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class VEMenuItem;

// The item classes by the name stored under "ClassName" in item dictionaries.
//
// Each item class offers a static registerClass() that enters its factory here;
// the program calls them from one explicit list at start-up (static
// self-registration is not used: static libraries drop objects nobody refers
// to). A factory makes a new item from an item dictionary, or from none
// (nullptr) for a new item, and may answer none when the item cannot be made.
// Main thread only.
class VEMenuItemRegistry final {
public:
    using Factory = std::function<std::unique_ptr<VEMenuItem>(const VEPlistDictionary* dictionary)>;

    static VEMenuItemRegistry& shared();

    // Enters (or replaces) the factory of a class name. An empty name or an
    // empty factory is ignored.
    void registerClass(const QString& className, Factory factory);
    // Forgets a class (tests).
    void unregisterClass(const QString& className);
    bool hasClass(const QString& className) const;
    // The registered names, sorted.
    QStringList classNames() const;

    // A new item of the named class made from the dictionary (nullptr: none);
    // none when the class is unknown or its factory refuses.
    std::unique_ptr<VEMenuItem> createItem(const QString& className, const VEPlistDictionary* dictionary) const;

    // Registers an item class T constructible from `const VEPlistDictionary*`.
    template <class T>
    void registerItemClass(const QString& className)
    {
        registerClass(className, [](const VEPlistDictionary* dictionary) -> std::unique_ptr<VEMenuItem> {
            return std::make_unique<T>(dictionary);
        });
    }

private:
    VEMenuItemRegistry() = default;
    std::map<QString, Factory> mFactories;
};
