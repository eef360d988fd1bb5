/* Makes a registry key under HKEY_CURRENT_USER that exists but that no program may open, which
 * reg.exe cannot do, and tells whether a key can be opened for reading and for writing values:
 *
 *   lock KEY       creates KEY if needed and gives it an empty access list    prints "locked"
 *   access KEY     prints "read R write W", each 1 when the key opens for it
 *
 * Built by the Windows presets (tests/wine/probes/CMakeLists.txt).
 * Usage: wine64 registry_probe.exe lock|access KEY    (exit 1 when the lock fails)
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>

static int Opens(const wchar_t* path, REGSAM access) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key) != ERROR_SUCCESS) return 0;
  RegCloseKey(key);
  return 1;
}

static int Lock(const wchar_t* path) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, NULL, 0, WRITE_DAC, NULL, &key, NULL) != ERROR_SUCCESS) return 0;
  /* A present but empty access list grants nothing to anybody. */
  ACL acl;
  SECURITY_DESCRIPTOR descriptor;
  int done = InitializeAcl(&acl, sizeof acl, ACL_REVISION) &&
             InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
             SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE) &&
             RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
  RegCloseKey(key);
  return done;
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && wcscmp(argv[1], L"lock") == 0) {
    if (!Lock(argv[2])) return 1;
    puts("locked");
    return 0;
  }
  if (argc == 3 && wcscmp(argv[1], L"access") == 0) {
    printf("read %d write %d\n", Opens(argv[2], KEY_QUERY_VALUE), Opens(argv[2], KEY_SET_VALUE));
    return 0;
  }
  fputs("usage: registry_probe lock|access KEY\n", stderr);
  return 2;
}
