#pragma once

#include <QString>
#include <exception>

// An error that ends the operation in progress. It carries the exact message text that the
// user is shown; the caller that started the operation catches it and shows it as an error box.
class OperationError : public std::exception {
  public:
    explicit OperationError(QString message);
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

  private:
    QString m_message;
    QByteArray m_utf8;
};
