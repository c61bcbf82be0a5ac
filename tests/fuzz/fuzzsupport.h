#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

class Engine;

// What the fuzz targets share: the input as bytes and as report lines, a scratch folder that
// lasts for the run, and a failed property that stops the run.
namespace fuzzsupport {

QByteArray bytes(const std::uint8_t* data, std::size_t size);
QStringList lines(const QByteArray& bytes);
// A folder of this run (created once, with a Qt application object).
const QString& scratch();
// Writes the bytes to a file in the scratch folder and returns its path.
QString writeFile(const QString& name, const QByteArray& bytes);
// The engine of the run, over the scratch folder with the fuzz database in place (made once);
// the messages of the previous input are forgotten.
Engine& engine();
// Stops the run with a message when a property does not hold.
void require(bool holds, const char* what);

}  // namespace fuzzsupport
