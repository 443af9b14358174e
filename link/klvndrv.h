/*
 * KLVNDRV: the gateway link library (libklvndrv.so).
 *
 * The gateway is the bus master of the serial link; this library answers its 16-byte command
 * frames as a slave. One link thread per process owns the port; the calls below run on the
 * caller's thread and meet it through one shared record.
 *
 * Names. The program knows every function by its decorated stdcall name (`_init_klvn_slave@4`);
 * the library exports the undecorated C name (`init_klvn_slave`). The list below gives both.
 * Results are 32-bit integers; no call throws.
 *
 * Environment.
 *   KLVNDRV_COMn       device path for the port name "COMn" (default /dev/ttyS<n-1>). A port
 *                      name that contains '/' is taken as a device path; any other name is no port.
 *   KLVNDRV_LOCK_FILE  lock file that marks the process using the library. The first process that
 *                      loads the library takes it (flock) and gets a working link; a later process
 *                      that finds it held gets an instance that does nothing. Default:
 *                      $XDG_RUNTIME_DIR/VUVI_DOV_ClientExist.lock, else
 *                      /tmp/VUVI_DOV_ClientExist-<uid>.lock. Read once, when the library loads.
 *
 * Link state (`_get_klvn_state@0`): 0 not connected or thread starting, 1 port closed and waiting
 * for the first open request, 2 the last open failed, 3 opening, 4 ready (port open, serving).
 *
 * Port error (`_get_sio_error@0`): 0 none, -1 the port is held by another open (flock, or
 * exclusive mode set by another program), -12 the port cannot be opened for any other reason
 * (missing device, a name that is no port, a name longer than 127 characters is refused before
 * that and leaves the record as it was), -9 the device's settings cannot be read or applied (it
 * is no serial port), -8 the speed cannot be set. -6 (time-outs cannot be read) does not occur
 * here: the time-out record lives in the library.
 *
 * Exports, decorated name -> C name. Those marked "not built yet" are declared further down only
 * once they exist; until then the library does not export them.
 *
 *   life cycle and state
 *     _init_klvn_slave@4          init_klvn_slave
 *     _clear_klvn@0               clear_klvn
 *     _close_klvn@0               close_klvn
 *     _get_klvn_state@0           get_klvn_state
 *     _get_sio_error@0            get_sio_error
 *     _get_com_errlog@0           get_com_errlog
 *   command check, response, poll answer
 *     _check_command@12           check_command
 *     _check_excommand@12         check_excommand
 *     _check_command_ex@16        check_command_ex
 *     _check_ax_command@12        check_ax_command
 *     _put_responce@8             put_responce
 *     _put_exresponce@8           put_exresponce
 *     _put_responce_ex@12         put_responce_ex
 *     _put_ax_responce@8          put_ax_responce
 *     _exec_poll_answer@8         exec_poll_answer
 *   load counter and transfers (not built yet)
 *     _reset_load_count@4         reset_load_count         int32_t (int32_t capacity)
 *     _get_load_count@0           get_load_count           int32_t (void)
 *     _exec_upload@4              exec_upload              int32_t (int32_t *words)
 *     _exec_download@4            exec_download            int32_t (const int32_t *words)
 *     _exec_expt_upload@4         exec_expt_upload         int32_t (int32_t *values)
 *     _exec_expt_download@4       exec_expt_download       int32_t (const int32_t *values)
 *     _exec_axcom_upload@8        exec_axcom_upload        int32_t (int32_t axis, int32_t *words)
 *     _exec_axcom_download@8      exec_axcom_download      int32_t (int32_t axis, const int32_t *words)
 *     _exec_axpoint_upload@12     exec_axpoint_upload      int32_t (int32_t axis, int32_t bank, int32_t *words)
 *     _exec_axpoint_download@12   exec_axpoint_download    int32_t (int32_t axis, int32_t bank, const int32_t *words)
 *     _exec_axexpr_upload@8       exec_axexpr_upload       int32_t (int32_t axis, int32_t *value)
 *     _exec_axexpr_download@8     exec_axexpr_download     int32_t (int32_t axis, int32_t value)
 *     _exec_addr_rd_upload@12     exec_addr_rd_upload      int32_t (int32_t axis, int32_t address, int32_t *value)
 *     _exec_addr_wr_download@12   exec_addr_wr_download    int32_t (int32_t axis, int32_t address, int32_t value)
 *     _prepare_Q2_command@12      prepare_Q2_command       int32_t (int32_t axis, int32_t sub_index, int32_t value)
 *   controller record converters (not built yet)
 *     _csv_mor_step@12            csv_mor_step             int32_t (char *line, const uint32_t *image, int32_t word_index)
 *     _bin_mor_step@8             bin_mor_step             int32_t (const char *line, uint32_t *image)
 *     _csv_mor_prm@8              csv_mor_prm              int32_t (char *line, const uint32_t *image)
 *     _bin_mor_prm@8              bin_mor_prm              int32_t (const char *line, uint32_t *image)
 *     _csv_morex_prm@8            csv_morex_prm            int32_t (char *line, const uint32_t *image)
 *     _bin_morex_prm@8            bin_morex_prm            int32_t (const char *line, uint32_t *image)
 *     _csv_mor35_prm@8            csv_mor35_prm            int32_t (char *line, const uint32_t *image)
 *     _bin_mor35_prm@8            bin_mor35_prm            int32_t (const char *line, uint32_t *image)
 *     _csv_mor77_prm@8            csv_mor77_prm            int32_t (char *line, const uint32_t *image)
 *     _bin_mor77_prm@8            bin_mor77_prm            int32_t (const char *line, uint32_t *image)
 */
#ifndef KLVNDRV_H
#define KLVNDRV_H

#include <stdint.h>

#define KLVNDRV_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

/* ---- life cycle and state ---------------------------------------------------------------- */

/* _init_klvn_slave@4: opens the link on `port_name` (at most 127 characters). Waits up to about
 * 5 s for the link thread and again up to about 5 s for the port. 1 when the link is ready (also
 * at once when it already was), else 0. */
KLVNDRV_API int32_t init_klvn_slave(const char *port_name);

/* _clear_klvn@0: clears the port's errors and purges its queues. Always 1. */
KLVNDRV_API int32_t clear_klvn(void);

/* _close_klvn@0: shuts the link down for the rest of the process (port restored and closed,
 * thread ended). Always 1. Afterwards every exchange and init return 0. */
KLVNDRV_API int32_t close_klvn(void);

/* _get_klvn_state@0: the link state (see above); 0 while not connected. */
KLVNDRV_API int32_t get_klvn_state(void);

/* _get_sio_error@0: the last port set-up error (see above); 0 while not connected. */
KLVNDRV_API int32_t get_sio_error(void);

/* _get_com_errlog@0: the port's error mask after the last failed read or write (bit 0 receive
 * buffer overrun, 1 hardware overrun, 2 parity, 3 framing, 4 break); 0 while not connected. */
KLVNDRV_API int32_t get_com_errlog(void);

/* ---- command check, response, poll answer -------------------------------------------------
 * One check takes the next command frame from the gateway (waiting up to 300 ms); at most one
 * put then answers that frame, within 300 ms of its arrival. A frame without a put in time goes
 * unanswered, and a put that comes too late is never sent for a later frame.
 *
 * Check results: 1 the expected letter arrived (address 0-255 and data in the outs), 2 a poll
 * 'P' arrived, -1 no frame within 300 ms, -4 an abort 'Z' arrived (axis check only), 0 another
 * letter, link not ready, or the call lock not had within 300 ms. The outs are written only for
 * result 1; a null out gives 0.
 *
 * Letters by block type (gateway writes / gateway reads): 0 and any value outside 1-8 W/R,
 * 1 w/r, 2 x/s, 3 y/t, 4 c/d, 5 e/k, 6 f/l, 7 g/m, 8 h/n.
 * Axis letters by ax_type 0-7: A B C D E F G H; any other type checks for 'H' and answers 'Z'.
 *
 * Put results: 1 queued, 0 link not ready or call lock not had. A write letter of the word-image
 * family always carries data 0. */

/* _check_command@12: expects 'R' when gateway_reads is nonzero, else 'W'. */
KLVNDRV_API int32_t check_command(int32_t gateway_reads, int32_t *address, int32_t *data);
/* _check_excommand@12: expects 'r' / 'w'. */
KLVNDRV_API int32_t check_excommand(int32_t gateway_reads, int32_t *address, int32_t *data);
/* _check_command_ex@16: expects the letter of `block_type`. */
KLVNDRV_API int32_t check_command_ex(int32_t gateway_reads, int32_t *address, int32_t *data,
                                     int32_t block_type);
/* _check_ax_command@12: expects the axis letter of `ax_type`. */
KLVNDRV_API int32_t check_ax_command(int32_t ax_type, int32_t *address, int32_t *data);

/* _put_responce@8: 'R' with `data`, or 'W' with 0. */
KLVNDRV_API int32_t put_responce(int32_t gateway_reads, int32_t data);
/* _put_exresponce@8: 'r' with `data`, or 'w' with 0. */
KLVNDRV_API int32_t put_exresponce(int32_t gateway_reads, int32_t data);
/* _put_responce_ex@12: the read letter of `block_type` with `data`, or its write letter with 0. */
KLVNDRV_API int32_t put_responce_ex(int32_t gateway_reads, int32_t data, int32_t block_type);
/* _put_ax_responce@8: the axis letter of `ax_type` (or 'Z'), always with `data`. */
KLVNDRV_API int32_t put_ax_responce(int32_t ax_type, int32_t data);

/* _exec_poll_answer@8: waits for one frame; a poll 'P' has its data stored in `poll_data` and is
 * answered with `request_code`. 1 answered, 0 the answer could not be queued or the link is not
 * ready (before init, after close, null `poll_data`), -1 no frame or another letter. */
KLVNDRV_API int32_t exec_poll_answer(int32_t *poll_data, int32_t request_code);

#ifdef __cplusplus
}
#endif

#endif /* KLVNDRV_H */
