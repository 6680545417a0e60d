#pragma once
// The parts of the front-panel pictures. The face (metal, print, bezel, encoder, the holes the keys
// and LEDs sit in) is drawn once and shared by both pictures; keys and LEDs are then drawn on a copy of
// it, each clipped to its own rectangle, at rest or lit.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "host/panelgeometry.h"

enum class Lighting { Rest, Lit };

// Faces of the DejaVu family, loaded from the folder given on the command line.
enum class Face { Bold, CondensedBold, Book };
bool LoadFaces(const QString& fontDir);
QFont PanelFont(Face face, int pixelSize, double letterSpacing = 0);

QRectF BoxRect(const PanelRect& box);
// The colour with another opacity (0 to 255).
QColor Faded(QColor colour, int alpha);
// A deterministic value in [0, 1) for a lattice point: the texture of the metal.
float Noise(int x, int y, int salt);

// Brushed, anodised metal filling the whole picture, with its chamfered edge and corner screws.
QImage DrawMetal();
void DrawScrews(QPainter& p);
// The recessed bezel around the LCD opening, whose inside is left one dark, flat colour.
void DrawLcdBezel(QPainter& p);
// The holes in the metal for the keys and the LEDs' chrome rings.
void DrawKeyWells(QPainter& p);
void DrawLedSockets(QPainter& p);
// The wordmark, the silkscreen captions and the digit legends beside the keys.
void DrawPrint(QPainter& p);
void DrawGrille(QPainter& p);
void DrawEncoder(QPainter& p);

void DrawKey(QPainter& p, const PanelKeyPlace& key, Lighting lighting);
void DrawLed(QPainter& p, const PanelLed& led, Lighting lighting);

QImage DrawFace();
QImage DrawPanel(const QImage& face, Lighting lighting);
