/* Resource identifiers, shared by the resource script and the code. */
#ifndef ZORVALITE_RESOURCE_IDS_H
#define ZORVALITE_RESOURCE_IDS_H
#define IDI_PROGRAM 1
#define IDB_ART_RED 101
#define IDB_ART_GREEN 102
#define IDB_ART_ORANGE 103
#define IDS_PASSWORDS_NOT_SUPPORTED 1001
#define IDS_CONFIG_CAPTION 1002
#endif
