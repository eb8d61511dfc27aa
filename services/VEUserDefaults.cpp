#include "services/VEUserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

// How the store keeps its files
// -----------------------------
// One XML property list per domain, <folder>/<domain>.plist, mode 0600, in a
// folder created with mode 0700. A file is replaced atomically: the new contents
// go to a temporary file ".<domain>.plist.<pid>.XXXXXX" in the same folder, which
// is flushed to disk, renamed over the old file, and the folder is flushed. A
// reader therefore always sees a whole old or a whole new file. Temporary files
// left by a process that died while writing are removed by the next write of
// the same domain (those of live processes are left alone).
//
// The application domain and the global domain are read once, on first use, and
// then served from memory; other programs' domains are read from disk on every
// request and written at once when replaced. Changes to the application domain
// are visible at once, are written by synchronize before it returns, and are
// also written on their own about half a second after the last change (on the
// main thread's event loop, when the process has one), and when the store goes
// away, so that a crash loses little.
//
// A file that exists but is not a property-list dictionary is never overwritten:
// it is renamed to "<domain>.plist.corrupt-<UTC yyyyMMddThhmmss>", one line is
// written to standard error, and the domain starts empty. A file that cannot be
// read at all (permissions) is left as it is and its domain is not written.

namespace {

constexpr int kDeferredWriteDelayMs = 500;
// Longer names could not take the temporary and "corrupt" suffixes within the
// file-name limit.
constexpr qsizetype kMaxDomainNameLength = 200;

struct Domain {
    VEPlistDictionary values;
    bool loaded = false;
    bool exists = false;   // a file was read (or has been written)
    bool writable = true;  // false when a file exists that must not be overwritten
    quint64 generation = 0;      // bumped on every change
    quint64 savedGeneration = 0; // the generation on disk
};

void reportLine(const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

bool fsyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool ensureFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent))
        return false;
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString temporaryPrefix(const QString& name)
{
    return QLatin1Char('.') + name + QStringLiteral(".plist.");
}

// Removes temporary files of this domain left by processes that no longer run.
void removeStaleTemporaries(const QString& folder, const QString& name)
{
    const QString prefix = temporaryPrefix(name);
    const QDir dir(folder);
    const QStringList entries = dir.entryList({prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        // ".<name>.plist.<pid>.XXXXXX"
        const QStringList rest = entry.mid(prefix.size()).split(QLatin1Char('.'));
        if (rest.size() != 2 || rest.at(1).size() != 6)
            continue;
        bool ok = false;
        const qint64 pid = rest.at(0).toLongLong(&ok);
        if (!ok || pid <= 0)
            continue;
        if (pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) == 0)
            continue; // a live writer
        if (pid != ::getpid() && errno == EPERM)
            continue; // a live process of someone else
        ::unlink(QFile::encodeName(dir.filePath(entry)).constData());
    }
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Writes the dictionary as the domain's file, atomically.
bool writeDomainFile(const QString& folder, const QString& name, const VEPlistDictionary& values)
{
    const QByteArray xml = VEPlistValue(values).toXml();
    if (xml.isEmpty() || !ensureFolder(folder))
        return false;
    removeStaleTemporaries(folder, name);
    const QByteArray target = QFile::encodeName(folder + QLatin1Char('/') + name + QStringLiteral(".plist"));
    QByteArray temporary = QFile::encodeName(folder + QLatin1Char('/') + temporaryPrefix(name)
                                             + QString::number(::getpid()) + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, 0600) == 0;
    ok = ok && writeAll(fd, xml);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    fsyncFolder(QFile::encodeName(folder));
    return true;
}

bool removeDomainFile(const QString& folder, const QString& path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return errno == ENOENT;
    fsyncFolder(QFile::encodeName(folder));
    return true;
}

// Moves an unreadable file aside; the new name, or empty when it could not be moved.
QString moveAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'hhmmss"));
    const QString base = path + QStringLiteral(".corrupt-") + stamp;
    for (int i = 0; i < 100; ++i) {
        const QString candidate = i == 0 ? base : base + QLatin1Char('-') + QString::number(i);
        const QByteArray from = QFile::encodeName(path);
        const QByteArray to = QFile::encodeName(candidate);
        // link + unlink never replaces an existing file of that name.
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return candidate;
        }
        if (errno == EEXIST)
            continue;
        // File systems without hard links: rename when the name is free.
        struct stat st {};
        if (::lstat(to.constData(), &st) != 0 && ::rename(from.constData(), to.constData()) == 0)
            return candidate;
        return {};
    }
    return {};
}

// Reads a domain file into the domain record.
void loadDomainFile(const QString& path, Domain& domain)
{
    domain.loaded = true;
    domain.values.clear();
    domain.exists = false;
    domain.writable = true;
    QFile file(path);
    if (!file.exists())
        return;
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        domain.exists = true;
        domain.writable = false;
        reportLine(QStringLiteral("Velmora: cannot read the preferences file \"%1\"; its settings are not used and it is left unchanged.").arg(path));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    std::optional<VEPlistValue> value = VEPlistValue::fromData(bytes);
    if (value && value->isDictionary()) {
        domain.values = std::move(*value->dictionaryValue());
        domain.exists = true;
        return;
    }
    const QString aside = moveAside(path);
    if (aside.isEmpty()) {
        domain.exists = true;
        domain.writable = false;
        reportLine(QStringLiteral("Velmora: the preferences file \"%1\" is not a property list and could not be moved aside; it is left unchanged and not used.").arg(path));
        return;
    }
    reportLine(QStringLiteral("Velmora: the preferences file \"%1\" is not a property list; it was moved to \"%2\" and its settings start empty.").arg(path, aside));
}

} // namespace

struct VEUserDefaults::Private {
    // The state shared with the deferred write, which may outlive the store.
    struct Core {
        QString folder;
        QString applicationDomain;
        bool applicationDomainValid = true;
        mutable std::mutex mutex; // guards the domains
        std::mutex writeMutex;    // serialises file writes; taken before mutex
        mutable Domain application;
        mutable Domain global;
        bool discarded = false;
        std::mutex queueMutex;   // guards writeQueued
        bool writeQueued = false; // a deferred write is on its way

        QString pathFor(const QString& name) const
        {
            return folder + QLatin1Char('/') + name + QStringLiteral(".plist");
        }

        // The domain held in memory under this name, or none. Needs mutex.
        Domain* cached(const QString& name) const
        {
            if (name == applicationDomain)
                return applicationDomainValid ? &application : nullptr;
            if (name == kGlobalDomain)
                return &global;
            return nullptr;
        }

        Domain& loaded(const QString& name, Domain& domain) const
        {
            if (!domain.loaded)
                loadDomainFile(pathFor(name), domain);
            return domain;
        }

        // Writes a cached domain when (force or) it holds unsaved changes.
        bool save(const QString& name, bool force)
        {
            std::lock_guard writeLock(writeMutex);
            VEPlistDictionary snapshot;
            quint64 generation = 0;
            {
                std::lock_guard lock(mutex);
                Domain* domain = cached(name);
                if (!domain || discarded)
                    return false;
                loaded(name, *domain);
                if (!domain->writable)
                    return false;
                if (!force && domain->generation == domain->savedGeneration)
                    return true;
                snapshot = domain->values;
                generation = domain->generation;
            }
            const bool ok = writeDomainFile(folder, name, snapshot);
            if (ok) {
                std::lock_guard lock(mutex);
                if (Domain* domain = cached(name)) {
                    domain->savedGeneration = std::max(domain->savedGeneration, generation);
                    domain->exists = true;
                }
            }
            return ok;
        }
    };

    std::shared_ptr<Core> core = std::make_shared<Core>();
    std::mutex timerMutex; // guards timer
    QTimer* timer = nullptr;

    void scheduleWrite()
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        {
            std::lock_guard queueLock(core->queueMutex);
            if (core->writeQueued)
                return;
            core->writeQueued = true;
        }
        std::lock_guard lock(timerMutex);
        if (!timer) {
            timer = new QTimer;
            timer->setSingleShot(true);
            timer->setInterval(kDeferredWriteDelayMs);
            if (timer->thread() != app->thread())
                timer->moveToThread(app->thread());
            std::weak_ptr<Core> weak = core;
            QObject::connect(timer, &QTimer::timeout, timer, [weak] {
                const std::shared_ptr<Core> strong = weak.lock();
                if (!strong)
                    return;
                {
                    std::lock_guard queueLock(strong->queueMutex);
                    strong->writeQueued = false;
                }
                strong->save(strong->applicationDomain, false);
            });
        }
        QTimer* t = timer;
        QMetaObject::invokeMethod(t, [t] { t->start(); }, Qt::QueuedConnection);
    }
};

namespace {
std::mutex gStandardMutex;
std::unique_ptr<VEUserDefaults> gStandard;
} // namespace

VEUserDefaults& VEUserDefaults::standardUserDefaults()
{
    std::lock_guard lock(gStandardMutex);
    if (!gStandard)
        gStandard = std::make_unique<VEUserDefaults>(defaultFolder());
    return *gStandard;
}

void VEUserDefaults::resetStandardUserDefaults(const QString& folder)
{
    std::lock_guard lock(gStandardMutex);
    if (gStandard) {
        std::lock_guard coreLock(gStandard->d->core->mutex);
        gStandard->d->core->discarded = true;
    }
    gStandard = std::make_unique<VEUserDefaults>(folder.isEmpty() ? defaultFolder() : folder);
}

QString VEUserDefaults::defaultFolder()
{
    // XDG: a relative $XDG_CONFIG_HOME is to be ignored.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/Velmora"));
}

bool VEUserDefaults::isValidDomainName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxDomainNameLength || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

VEUserDefaults::VEUserDefaults(const QString& folder, const QString& domain) : d(std::make_unique<Private>())
{
    d->core->folder = QDir::cleanPath(QDir(folder).absolutePath());
    d->core->applicationDomain = domain;
    d->core->applicationDomainValid = isValidDomainName(domain);
}

VEUserDefaults::~VEUserDefaults()
{
    {
        std::lock_guard lock(d->timerMutex);
        if (d->timer) {
            if (d->timer->thread() == QThread::currentThread())
                delete d->timer;
            else
                d->timer->deleteLater();
            d->timer = nullptr;
        }
    }
    d->core->save(d->core->applicationDomain, false);
}

VEPlistValue VEUserDefaults::objectForKey(const QString& key) const
{
    const Private::Core& core = *d->core;
    std::lock_guard lock(core.mutex);
    if (Domain* app = core.cached(core.applicationDomain)) {
        const Domain& domain = core.loaded(core.applicationDomain, *app);
        const auto it = domain.values.find(key);
        if (it != domain.values.end())
            return it->second;
    }
    const Domain& global = core.loaded(kGlobalDomain, core.global);
    const auto it = global.values.find(key);
    return it == global.values.end() ? VEPlistValue() : it->second;
}

std::optional<QString> VEUserDefaults::stringForKey(const QString& key) const
{
    const VEPlistValue value = objectForKey(key);
    if (const QString* s = value.stringValue())
        return *s;
    return std::nullopt;
}

bool VEUserDefaults::boolForKey(const QString& key) const
{
    return objectForKey(key).toBool(false);
}

qint64 VEUserDefaults::integerForKey(const QString& key) const
{
    const VEPlistValue value = objectForKey(key);
    if (value.isInteger())
        return value.toInteger();
    if (value.isReal()) {
        // Truncated; out-of-range and NaN values read as missing.
        const double r = value.toReal();
        if (r >= -9.2233720368547758e18 && r < 9.2233720368547758e18)
            return static_cast<qint64>(r);
    }
    return 0;
}

double VEUserDefaults::doubleForKey(const QString& key) const
{
    return objectForKey(key).toReal(0);
}

std::optional<VEPlistArray> VEUserDefaults::arrayForKey(const QString& key) const
{
    const VEPlistValue value = objectForKey(key);
    if (const VEPlistArray* a = value.arrayValue())
        return *a;
    return std::nullopt;
}

std::optional<VEPlistDictionary> VEUserDefaults::dictionaryForKey(const QString& key) const
{
    const VEPlistValue value = objectForKey(key);
    if (const VEPlistDictionary* dict = value.dictionaryValue())
        return *dict;
    return std::nullopt;
}

void VEUserDefaults::setObjectForKey(const VEPlistValue& value, const QString& key)
{
    Private::Core& core = *d->core;
    {
        std::lock_guard lock(core.mutex);
        Domain* app = core.cached(core.applicationDomain);
        if (!app)
            return;
        Domain& domain = core.loaded(core.applicationDomain, *app);
        if (value.isNone()) {
            if (domain.values.erase(key) == 0)
                return;
        } else {
            const auto it = domain.values.find(key);
            if (it != domain.values.end() && it->second == value)
                return;
            domain.values.insert_or_assign(key, value);
        }
        ++domain.generation;
    }
    d->scheduleWrite();
}

void VEUserDefaults::setBoolForKey(bool value, const QString& key)
{
    setObjectForKey(VEPlistValue(value), key);
}

void VEUserDefaults::setIntegerForKey(qint64 value, const QString& key)
{
    setObjectForKey(VEPlistValue(value), key);
}

void VEUserDefaults::removeObjectForKey(const QString& key)
{
    setObjectForKey(VEPlistValue(), key);
}

bool VEUserDefaults::synchronize()
{
    return d->core->save(d->core->applicationDomain, true);
}

std::optional<VEPlistDictionary> VEUserDefaults::persistentDomainForName(const QString& name) const
{
    if (!isValidDomainName(name))
        return std::nullopt;
    const Private::Core& core = *d->core;
    {
        std::lock_guard lock(core.mutex);
        if (Domain* cached = core.cached(name)) {
            const Domain& domain = core.loaded(name, *cached);
            if (domain.values.empty() && !domain.exists)
                return std::nullopt;
            return domain.values;
        }
    }
    // Another program's domain: read it as it is on disk now.
    Domain domain;
    loadDomainFile(core.pathFor(name), domain);
    if (!domain.exists || !domain.writable)
        return std::nullopt;
    return domain.values;
}

void VEUserDefaults::removePersistentDomainForName(const QString& name)
{
    if (!isValidDomainName(name))
        return;
    Private::Core& core = *d->core;
    std::lock_guard writeLock(core.writeMutex);
    {
        std::lock_guard lock(core.mutex);
        if (core.discarded)
            return;
        if (Domain* cached = core.cached(name)) {
            core.loaded(name, *cached);
            if (!cached->writable)
                return;
            cached->values.clear();
            ++cached->generation;
            cached->savedGeneration = cached->generation;
            cached->exists = false;
        }
    }
    removeDomainFile(core.folder, core.pathFor(name));
}

void VEUserDefaults::setPersistentDomainForName(const VEPlistDictionary& domain, const QString& name)
{
    if (!isValidDomainName(name))
        return;
    Private::Core& core = *d->core;
    std::unique_lock writeLock(core.writeMutex);
    bool isCached = false;
    {
        std::lock_guard lock(core.mutex);
        if (core.discarded)
            return;
        if (Domain* cached = core.cached(name)) {
            isCached = true;
            core.loaded(name, *cached);
            cached->values = domain;
            ++cached->generation;
        }
    }
    if (isCached) {
        writeLock.unlock();
        core.save(name, true);
        return;
    }
    // Load first so that a damaged file is moved aside rather than replaced.
    Domain existing;
    loadDomainFile(core.pathFor(name), existing);
    if (existing.writable)
        writeDomainFile(core.folder, name, domain);
}

QString VEUserDefaults::pathForDomain(const QString& name) const
{
    if (!isValidDomainName(name))
        return {};
    return d->core->pathFor(name);
}
