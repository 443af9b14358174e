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
 * for the first open request, 2 the last open failed or the line was lost (port closed, waiting
 * for the next open request), 3 opening, 4 ready (port open, serving).
 *
 * Lost line. When the port hangs up or its device fails while open (the other side of a pty
 * closed, a USB serial adapter pulled out), the link notices it at the next read or write, or
 * within about 300 ms while idle: it records it (`_get_com_errlog@0` with bit 0x400, I/O error;
 * `_get_sio_error@0` -20), closes the port and goes to state 2. Exchanges and transfer steps
 * then fail with 0, and the next `_init_klvn_slave@4` opens the port again. A quiet line that is
 * still there is not lost: steps go on returning -1 until the gateway answers.
 *
 * Port error (`_get_sio_error@0`): 0 none, -1 the port is held by another open (flock, or
 * exclusive mode set by another program), -12 the port cannot be opened for any other reason
 * (missing device, a name that is no port, a name longer than 127 characters is refused before
 * that and leaves the record as it was), -9 the device's settings cannot be read or applied (it
 * is no serial port), -8 the speed cannot be set, -20 the line was lost while open (see above).
 * -6 (time-outs cannot be read) does not occur here: the time-out record lives in the library.
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
 *   load counter and transfers
 *     _reset_load_count@4         reset_load_count
 *     _get_load_count@0           get_load_count
 *     _exec_upload@4              exec_upload
 *     _exec_download@4            exec_download
 *     _exec_expt_upload@4         exec_expt_upload
 *     _exec_expt_download@4       exec_expt_download
 *     _exec_axcom_upload@8        exec_axcom_upload
 *     _exec_axcom_download@8      exec_axcom_download
 *     _exec_axpoint_upload@12     exec_axpoint_upload
 *     _exec_axpoint_download@12   exec_axpoint_download
 *     _exec_axexpr_upload@8       exec_axexpr_upload
 *     _exec_axexpr_download@8     exec_axexpr_download
 *     _exec_addr_rd_upload@12     exec_addr_rd_upload
 *     _exec_addr_wr_download@12   exec_addr_wr_download
 *     _prepare_Q2_command@12      prepare_Q2_command
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
 * buffer overrun, 1 hardware overrun, 2 parity, 3 framing, 4 break, 10 I/O error: the line was
 * lost); 0 while not connected. */
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

/* ---- load counter and transfers -----------------------------------------------------------
 * The gateway starts every transfer: it polls, the PC's step answers the poll with the request
 * code of its transfer, and the gateway then writes (upload) or reads (download) one word per
 * command frame. Each step call handles at most one frame (two 300 ms waits at most); call it
 * again while it returns -1.
 *
 * Step results: -1 continue (a word moved, a poll answered, or no frame), 1 done, 0 failed (link
 * not ready, call lock not had, another letter, a word out of order, the answer not queued, or
 * arguments the transfer cannot take), -4 the gateway aborted with 'Z' and it was acknowledged
 * (axis and single-word steps only; the acknowledgement carries data 0).
 *
 * Word order: a frame must carry the next word (the load count) or repeat the last one (load
 * count - 1, also right after a block boundary, under the previous block's letter); a repeated
 * word is answered again and the count climbs on from it. Any other word fails the step and
 * changes nothing. Arrays are read or written only below the capacity (32 for axis blocks). */

/* _reset_load_count@4: starts a counted transfer of `capacity` words; the load count is 0.
 * Returns `capacity`. Word images move at most 1024 words; extended-point images move whole
 * records (a multiple of 3) within the 1280 words their letters reach, so at most 1278. A step of
 * a transfer whose capacity is out of that range (or negative) fails at once. Axis blocks use 32 whatever the capacity, but need the
 * reset for their count: reset before each 32-word block. */
KLVNDRV_API int32_t reset_load_count(int32_t capacity);
/* _get_load_count@0: the index of the next word (the words moved so far). */
KLVNDRV_API int32_t get_load_count(void);

/* _exec_upload@4 / _exec_download@4: the word image, `capacity` words. Words 0-255 travel with
 * W/R, 256-511 w/r, 512-767 x/s, 768-1023 y/t. Poll answer 1 / 2, or 32 / 33 for a capacity
 * above 512. Once the count has reached the capacity: 1 at once, no frame taken. */
KLVNDRV_API int32_t exec_upload(int32_t *words);
KLVNDRV_API int32_t exec_download(const int32_t *words);

/* _exec_expt_upload@4 / _exec_expt_download@4: the extended-point image. The caller holds
 * capacity x 4 / 3 values, records of four; on the wire each record is three words: value 1;
 * value 3 low 16 bits x 65536 + value 2 low 16 bits; value 4 low 16 bits x 65536 + value 3 high
 * 16 bits. Values 2 and 4 therefore come back as 0-65535. The download packs the values while
 * the count is 0; the upload unpacks into `values` on every call once the count has reached the
 * capacity (and returns 1). Letters c/d, e/k, f/l, g/m, h/n by 256-word block; poll answer
 * 34 / 35. */
KLVNDRV_API int32_t exec_expt_upload(int32_t *values);
KLVNDRV_API int32_t exec_expt_download(const int32_t *values);

/* Axis blocks of 32 words, frame address = word index. Common block: letters A / B, poll answer
 * axis x 4096 + 5 / 6. Point bank: letters C / D, poll answer axis x 4096 + bank x 256 + 7 / 8
 * (a bank above 15: axis x 4096 + 12 / 13). The upload answers each word with its address as
 * data. `axis` 0-15 and `bank` 0 or more, else 0. */
KLVNDRV_API int32_t exec_axcom_upload(int32_t axis, int32_t *words);
KLVNDRV_API int32_t exec_axcom_download(int32_t axis, const int32_t *words);
KLVNDRV_API int32_t exec_axpoint_upload(int32_t axis, int32_t bank, int32_t *words);
KLVNDRV_API int32_t exec_axpoint_download(int32_t axis, int32_t bank, const int32_t *words);

/* Single words, no counter; 1 once the word was exchanged. Expansion word: letters E / F, poll
 * answer axis x 4096 + 9 / 10. A gateway word by address (0-65535): read with G, poll answer
 * address x 65536 + axis x 4096 + 17; write with H, poll answer ... + 16. An upload answers with
 * the frame's address as data, a download with `value`. */
KLVNDRV_API int32_t exec_axexpr_upload(int32_t axis, int32_t *value);
KLVNDRV_API int32_t exec_axexpr_download(int32_t axis, int32_t value);
KLVNDRV_API int32_t exec_addr_rd_upload(int32_t axis, int32_t address, int32_t *value);
KLVNDRV_API int32_t exec_addr_wr_download(int32_t axis, int32_t address, int32_t value);

/* _prepare_Q2_command@12: three phases, each repeated while it gives -1: a poll answered with
 * axis x 4096 + sub_index x 256 + 14; the write of `value` to address 1024 of the axis; a poll
 * answered with axis x 4096 + 271. Returns the third phase's result (1), or the first result of
 * a phase that is not 1 (0 failed, -4 aborted), which ends it. A phase gives up with 0 after 16
 * tries that each gave -1 (on a silent link about 4.8 s). `axis` and `sub_index` 0-15, else 0. */
KLVNDRV_API int32_t prepare_Q2_command(int32_t axis, int32_t sub_index, int32_t value);

#ifdef __cplusplus
}
#endif

#endif /* KLVNDRV_H */
