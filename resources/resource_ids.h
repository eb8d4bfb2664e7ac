// Names and numbers of the resources in Korvalith.rc and korvalith10.rc, shared by the .rc files
// and C++.
#ifndef KORVALITH_RESOURCES_RESOURCE_IDS_H
#define KORVALITH_RESOURCES_RESOURCE_IDS_H

// Icons of the password program: the program icon (16 to 64 pixels) and the uninstaller icon.
#define KORVALITH_ICON_PROGRAM 1
#define KORVALITH_ICON_UNINSTALL 2
// Icon group of the setup program.
#define KORVALITH_ICON_SETUP 1

// Picture sets: custom resource type of the JPEG sets and the name prefix followed by the category.
#define KORVALITH_PICTURE_TYPE "JPEG"
#define KORVALITH_PICTURE_PREFIX "CAT"

// Resource names. The resource compiler joins a quoted name to the file name that ends the line
// before it, so .rc scripts see the names bare while C++ sees them as strings.
#ifdef RC_INVOKED
#define KORVALITH_RESOURCE_NAME(name) name
#else
#define KORVALITH_RESOURCE_NAME(name) #name
#endif

// Tool-button glyphs, 24-bit bitmaps whose bottom-left pixel gives the transparent colour.
#define KORVALITH_GLYPH_HELP KORVALITH_RESOURCE_NAME(GLYPHHELP)
#define KORVALITH_GLYPH_ABOUT KORVALITH_RESOURCE_NAME(GLYPHABOUT)
#define KORVALITH_GLYPH_WEB KORVALITH_RESOURCE_NAME(GLYPHWEB)
#define KORVALITH_GLYPH_OPTIONS KORVALITH_RESOURCE_NAME(GLYPHOPTIONS)
// 32 x 15: the normal 16 x 15 image on the left, the disabled one on the right.
#define KORVALITH_GLYPH_COPY KORVALITH_RESOURCE_NAME(GLYPHCOPY)

// Setup wizard logos (24-bit bitmaps): 120 x 260 and 32 x 32.
#define KORVALITH_SETUP_LOGO KORVALITH_RESOURCE_NAME(LOGO)
#define KORVALITH_SETUP_LOGO_SMALL KORVALITH_RESOURCE_NAME(LOGOSMALL)

#endif
