#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class RunningTool;
struct ToolAnswer;

// One split app's archive, unpacked once for every phone it goes to, by the helper program (the
// archive is never opened in this process), into a temporary folder that goes with this object.
class SplitAppUnpack : public QObject
{
    Q_OBJECT

public:
    explicit SplitAppUnpack(const QString& archive, QObject* parent = nullptr);
    ~SplitAppUnpack() override;

    bool done() const { return m_problem.has_value(); }
    // Once done: empty when unpacked, else why not.
    QString problem() const { return m_problem.value_or(QString()); }
    QStringList splits() const { return m_splits; }
    QStringList obbs() const { return m_obbs; }
    QString package() const { return m_package; }
    // Stops the helper; a cancel is its end.
    void cancel();

signals:
    void finished();

private:
    void take(const QByteArray& output);
    void ended(const ToolAnswer& answer);
    void finish(const QString& problem);

    std::unique_ptr<QTemporaryDir> m_folder;
    QPointer<RunningTool> m_helper;
    QByteArray m_pending;
    QStringList m_splits;
    QStringList m_obbs;
    QString m_package;
    std::optional<QString> m_problem;
};
