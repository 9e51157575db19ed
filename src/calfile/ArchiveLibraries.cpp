// libzip and the system's crypto library, loaded at the first archive a document reads or writes
// rather than at every start of the program: the stand-ins of the functions the program calls.

#include "platform/DelayedLibrary.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <zip.h>

extern "C" {

DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_close, (zip_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_compression_method_supported, (zip_int32_t a, int b),
                   (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_discard, (zip_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_encryption_method_supported, (zip_uint16_t a, int b),
                   (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_error_clear, (zip_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_error_code_zip, (const zip_error_t* a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_error_fini, (zip_error_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_error_init, (zip_error_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_fclose, (zip_file_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_int64_t, zip_file_add,
                   (zip_t * a, const char* b, zip_source_t* c, zip_flags_t d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_error_t*, zip_file_get_error, (zip_file_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_file_set_encryption,
                   (zip_t * a, zip_uint64_t b, zip_uint16_t c, const char* d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_file_t*, zip_fopen_index,
                   (zip_t * a, zip_uint64_t b, zip_flags_t c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_file_t*, zip_fopen_index_encrypted,
                   (zip_t * a, zip_uint64_t b, zip_flags_t c, const char* d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_int64_t, zip_fread, (zip_file_t * a, void* b, zip_uint64_t c),
                   (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_error_t*, zip_get_error, (zip_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, const char*, zip_get_name,
                   (zip_t * a, zip_uint64_t b, zip_flags_t c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_int64_t, zip_get_num_entries, (zip_t * a, zip_flags_t b),
                   (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_t*, zip_open, (const char* a, int b, int* c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_t*, zip_open_from_source,
                   (zip_source_t * a, int b, zip_error_t* c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_set_file_compression,
                   (zip_t * a, zip_uint64_t b, zip_int32_t c, zip_uint32_t d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_source_t*, zip_source_buffer,
                   (zip_t * a, const void* b, zip_uint64_t c, int d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_source_t*, zip_source_buffer_create,
                   (const void* a, zip_uint64_t b, int c, zip_error_t* d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_source_close, (zip_source_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_error_t*, zip_source_error, (zip_source_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_source_free, (zip_source_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_source_keep, (zip_source_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_source_open, (zip_source_t * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_int64_t, zip_source_read,
                   (zip_source_t * a, void* b, zip_uint64_t c), (a, b, c))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_source_stat, (zip_source_t * a, zip_stat_t* b), (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, zip_source_t*, zip_source_zip,
                   (zip_t * a, zip_t* b, zip_uint64_t c, zip_flags_t d, zip_uint64_t e, zip_int64_t f),
                   (a, b, c, d, e, f))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, int, zip_stat_index,
                   (zip_t * a, zip_uint64_t b, zip_flags_t c, zip_stat_t* d), (a, b, c, d))
DAYBINDER_STAND_IN(DAYBINDER_LIBZIP_SONAME, void, zip_stat_init, (zip_stat_t * a), (a))

DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, void, EVP_CIPHER_CTX_free, (EVP_CIPHER_CTX * a), (a))
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, EVP_CIPHER_CTX*, EVP_CIPHER_CTX_new, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, int, EVP_CIPHER_CTX_set_padding, (EVP_CIPHER_CTX * a, int b),
                   (a, b))
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, int, EVP_EncryptInit_ex,
                   (EVP_CIPHER_CTX * a, const EVP_CIPHER* b, ENGINE* c, const unsigned char* d,
                    const unsigned char* e),
                   (a, b, c, d, e))
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, int, EVP_EncryptUpdate,
                   (EVP_CIPHER_CTX * a, unsigned char* b, int* c, const unsigned char* d, int e),
                   (a, b, c, d, e))
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, const EVP_CIPHER*, EVP_aes_128_ecb, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, const EVP_CIPHER*, EVP_aes_192_ecb, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, const EVP_CIPHER*, EVP_aes_256_ecb, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, const EVP_MD*, EVP_sha1, (void), ())
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, unsigned char*, HMAC,
                   (const EVP_MD* a, const void* b, int c, const unsigned char* d, size_t e, unsigned char* f,
                    unsigned int* g),
                   (a, b, c, d, e, f, g))
DAYBINDER_STAND_IN(DAYBINDER_LIBCRYPTO_SONAME, int, PKCS5_PBKDF2_HMAC_SHA1,
                   (const char* a, int b, const unsigned char* c, int d, int e, int f, unsigned char* g),
                   (a, b, c, d, e, f, g))

} // extern "C"
