#pragma once
// The program's icon, painted in code so the program needs no image plugin:
// a green hex tile with a cream road joining three clearings. The installed
// desktop icon (resources/tavrin-map-generator.svg) shows the same design.

#include <QIcon>

QIcon AppIcon();
