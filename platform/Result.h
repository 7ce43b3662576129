#pragma once

#include <QString>
#include <QStringList>

#include <utility>

namespace orvel {

// How a read or write of a file, or a question to the ephemeris, ended.
enum class ResultStatus {
    Ok,      // done; the value is whole
    Missing, // the file or its folder does not exist
    Damaged, // the file exists but does not parse to its end; the value holds what came before
    Failed,  // the system or the library refused; the message gives its reason
};

// What every result carries besides its value: the status, the message for the user
// (naming the file and the system's reason; empty when ok) and the lines the programs
// write to standard error, which travel with the result to the program's message sink.
class ResultState {
public:
    ResultStatus status() const { return m_status; }
    bool ok() const { return m_status == ResultStatus::Ok; }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return m_message; }
    const QStringList &diagnostics() const { return m_diagnostics; }
    void addDiagnostics(const QStringList &lines) { m_diagnostics += lines; }

protected:
    ResultState() = default;
    ResultState(ResultStatus status, QString message) : m_status(status), m_message(std::move(message)) {}

private:
    ResultStatus m_status = ResultStatus::Ok;
    QString m_message;
    QStringList m_diagnostics;
};

// The answer of everything that reads or writes a file or asks the ephemeris: a
// status, a value (whole when ok, what could be had when damaged, default otherwise)
// and a message. Result<> carries no value.
template <typename T = void>
class [[nodiscard]] Result : public ResultState {
public:
    Result() = default;
    Result(T value) : m_value(std::move(value)) {}
    static Result failed(ResultStatus status, QString message, T partial = T())
    {
        return Result(status, std::move(message), std::move(partial));
    }
    // Another result's status, message and diagnostics with a value of this kind.
    template <typename U>
    static Result passOn(const Result<U> &other, T value = T())
    {
        Result result(std::move(value));
        static_cast<ResultState &>(result) = other;
        return result;
    }

    const T &value() const & { return m_value; }
    T &value() & { return m_value; }
    T &&value() && { return std::move(m_value); }
    const T *operator->() const { return &m_value; }
    T *operator->() { return &m_value; }

private:
    Result(ResultStatus status, QString message, T value)
        : ResultState(status, std::move(message)), m_value(std::move(value))
    {
    }

    T m_value{};
};

template <>
class [[nodiscard]] Result<void> : public ResultState {
public:
    Result() = default;
    static Result failed(ResultStatus status, QString message) { return Result(status, std::move(message)); }
    template <typename U>
    static Result passOn(const Result<U> &other)
    {
        Result result;
        static_cast<ResultState &>(result) = other;
        return result;
    }

private:
    Result(ResultStatus status, QString message) : ResultState(status, std::move(message)) {}
};

} // namespace orvel
