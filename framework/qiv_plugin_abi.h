/* The plug-in boundary: the only thing a host sees of a command plug-in.
 *
 * A plug-in is a shared library that exports the functions below. The host opens the plug-in's
 * module state once per load, creates a control for each run of the command, drives it with
 * qiv_control_invoke (methods and properties by dispatch id) and answers the control's
 * host-service events in its sink. Everything is synchronous and on one thread.
 *
 * Ownership: no allocation crosses the boundary. Strings travel as QivStr, a view of a string
 * owned by whichever side passes it; the other side reads it during the call and, to write a new
 * value into a by-reference string, calls its assign function, which copies. No C++ type and no
 * exception crosses the boundary; a failed call returns an error number and copies its text into
 * the caller's QivError.
 */
#ifndef PIPETRIM_QIV_PLUGIN_ABI_H
#define PIPETRIM_QIV_PLUGIN_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define QIV_EXPORT __declspec(dllexport)
#else
#define QIV_EXPORT __attribute__((visibility("default")))
#endif

#define QIV_ABI_VERSION 1

/* Kinds of by-reference arguments. */
enum {
  QIV_ARG_I16 = 1, /* 16-bit signed; Boolean properties travel as this kind (-1 true, 0 false) */
  QIV_ARG_I32 = 2, /* Long, 32-bit signed */
  QIV_ARG_F64 = 3, /* Double */
  QIV_ARG_STR = 4  /* counted UTF-16 string */
};

/* Kinds of invocation. */
enum { QIV_INVOKE_METHOD = 1, QIV_INVOKE_PROPERTYGET = 2, QIV_INVOKE_PROPERTYPUT = 4 };

/* A by-reference string. `data`/`length` show the current value (UTF-16 code units, not
 * terminated); `assign` replaces it with a copy of the given units and updates data/length.
 * The side that passes the QivStr owns it and the text; `owner` is that side's own pointer. */
typedef struct QivStr QivStr;
struct QivStr {
  const uint16_t* data;
  int32_t length;
  void (*assign)(QivStr* self, const uint16_t* data, int32_t length);
  void* owner;
};

/* One by-reference argument: its kind and the address of the caller's variable. */
typedef struct QivArg {
  int32_t kind;
  union {
    int16_t* i16;
    int32_t* i32;
    double* f64;
    QivStr* str;
  } ref;
} QivArg;

/* A failed call: the error number and its text (UTF-16, truncated to fit). */
#define QIV_ERROR_TEXT_MAX 256
typedef struct QivError {
  int32_t number;
  int32_t length;
  uint16_t text[QIV_ERROR_TEXT_MAX];
} QivError;

/* The host's event sink. Called for every host-service event, with the event's dispatch id
 * (1 to 417) and its arguments in the declared order; the host writes its answers through them. */
typedef void (*QivEventSink)(void* context, int32_t dispid, QivArg* args, int32_t count);

/* Identity of the plug-in's control class. Strings are static, UTF-8, and live as long as the
 * library is loaded. The ids are UUIDs in registry form ("{...}"). */
typedef struct QivClassInfo {
  int32_t abi_version;
  const char* name;       /* the deliverable's name, for example "Sarvik" */
  const char* class_name; /* "QivOptCmd200" */
  const char* class_id;
  const char* interface_id; /* the incoming dispatch interface */
  const char* events_id;    /* the event interface */
} QivClassInfo;

typedef struct QivModule QivModule;   /* deliverable-wide state, one per load */
typedef struct QivControl QivControl; /* one control instance */

QIV_EXPORT const QivClassInfo* qiv_class_info(void);

/* The deliverable-wide state (host version, shared records, settings state). Open it once after
 * loading the library and close it after every control of it is destroyed. */
QIV_EXPORT QivModule* qiv_module_open(void);
QIV_EXPORT void qiv_module_close(QivModule* module);

/* Creates a control; `sink` receives its events (it may be null: events then go unanswered). */
QIV_EXPORT QivControl* qiv_control_create(QivModule* module, QivEventSink sink, void* context);

/* Calls a method, reads or writes a property. For a property, args[0] is the variable to read
 * into or write from. Returns 0, or the error number (also written into `error` when not null). */
QIV_EXPORT int32_t qiv_control_invoke(QivControl* control, int32_t dispid, int32_t invoke_kind,
                                      QivArg* args, int32_t count, QivError* error);

/* Destroys a control; its termination raises QivExitCommand once more. Returns 0 or an error
 * number; the control is gone either way. */
QIV_EXPORT int32_t qiv_control_destroy(QivControl* control, QivError* error);

/* The dispatch id of a method, property or event by its name; 0 when there is none. */
QIV_EXPORT int32_t qiv_dispid_of_name(const char* name);

/* Self-registration: writes (or removes) the plug-in's manifest "<name>.qivplugin" in the
 * registry folder. Returns 0 or an error number. */
QIV_EXPORT int32_t qiv_register(const char* registry_dir, QivError* error);
QIV_EXPORT int32_t qiv_unregister(const char* registry_dir, QivError* error);

#ifdef __cplusplus
}
#endif

#endif /* PIPETRIM_QIV_PLUGIN_ABI_H */
