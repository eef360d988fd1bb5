/* The program's identity, shared by the resource script and the code. */
#ifndef ZORVALITE_VERSION_H
#define ZORVALITE_VERSION_H
#define ZV_APP_TITLE "Zorvalite"
#define ZV_VERSION_MAJOR 1
#define ZV_VERSION_MINOR 0
#define ZV_VERSION_BUILD 0
#define ZV_VERSION_REVISION 4
#define ZV_VERSION_TEXT "1.0.0.4"
/* The configuration dialog's copyright line and the addresses its two links open. */
#define ZV_COPYRIGHT "Copyright (C) 2026 The Zorvalite developers"
#define ZV_AUTHOR_MAIL "zorvalite@example.org"
#define ZV_HOME_PAGE "https://zorvalite.example.org/"
#endif
