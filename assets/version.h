/* The program's identity, shared by the resource script and the code. */
#ifndef ZORVALITE_VERSION_H
#define ZORVALITE_VERSION_H
#define ZV_APP_TITLE "Zorvalite"
#define ZV_VERSION_MAJOR 1
#define ZV_VERSION_MINOR 0
#define ZV_VERSION_BUILD 0
#define ZV_VERSION_REVISION 4
#define ZV_VERSION_TEXT "1.0.0.4"
#endif
