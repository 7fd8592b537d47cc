#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace vintrel {

/// The single-instance rule over a per-user local socket. The first copy listens; a later copy
/// hands its file path (possibly empty) to it and ends. Paths travel whole, as UTF-8.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    /// The channel name for this user; tests pass their own.
    static QString defaultName();

    explicit InstanceChannel(QString name = defaultName(), QObject* parent = nullptr);
    ~InstanceChannel() override;

    /// Tries to hand `path` to a running copy. True when one took it (this copy should end).
    bool handOver(const QString& path, int timeoutMs = 3000) const;
    /// True when a running copy listens on the channel (nothing is handed over).
    bool isServed(int timeoutMs = 500) const;
    /// Starts listening as the first copy; false (with `error`) when the channel cannot be made.
    bool listen(QString* error = nullptr);

signals:
    /// A later copy asked to be shown and to open `path` (empty: only show the window).
    void openRequested(const QString& path);

private:
    void acceptConnection();

    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace vintrel
