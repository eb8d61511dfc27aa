#pragma once

#include <QPixmap>
#include <QString>

// The application bundle: the folder Velmora.app that holds the executable and
// its Resources folder. Named images and interface files are compiled in (Qt
// resources under ":/"); larger resources (sounds) live in Resources/ next to
// the executable. Nothing is found through absolute install paths.
namespace VEBundle {

// Velmora.app/Resources beside the running executable.
QString resourcePath();
// Lets tests and helper programs point at a bundle's resources.
void setResourcePath(const QString& path);

// A named image of the application ("DragBar", "MenuHighlightT", ...), at its
// natural size in points; a null pixmap when there is none of that name.
QPixmap imageNamed(const QString& name);

// pathForResource:ofType: — a compiled-in resource (":/name.type") or a file in
// the Resources folder; empty when neither exists.
QString pathForResourceOfType(const QString& name, const QString& type);

} // namespace VEBundle
