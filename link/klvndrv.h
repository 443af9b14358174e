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
 *                      VUVI_DOV_ClientExist.lock in $XDG_RUNTIME_DIR when that is a folder of the
 *                      user's own that nobody else may write to, else in the folder
 *                      klvndrv-<uid> under $TMPDIR (else /tmp), made with mode 0700 and used only
 *                      when it is the user's own in the same way and no symbolic link. A lock file
 *                      of another user is never used. When no place can be used, the process gets
 *                      the instance that does nothing. Read once, when the library loads.
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
 * Exports, decorated name -> C name.
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
 *   controller record converters
 *     _csv_mor_step@12            csv_mor_step
 *     _bin_mor_step@8             bin_mor_step
 *     _csv_mor_prm@8              csv_mor_prm
 *     _bin_mor_prm@8              bin_mor_prm
 *     _csv_morex_prm@8            csv_morex_prm
 *     _bin_morex_prm@8            bin_morex_prm
 *     _csv_mor35_prm@8            csv_mor35_prm
 *     _bin_mor35_prm@8            bin_mor35_prm
 *     _csv_mor77_prm@8            csv_mor77_prm
 *     _bin_mor77_prm@8            bin_mor77_prm
 */
#ifndef KLVNDRV_H
#define KLVNDRV_H

#include <stdint.h>

#define KLVNDRV_API __attribute__((visibility("default")))

/* ---- results, states and errors -----------------------------------------------------------
 * Every check, poll answer and transfer step gives one of these results; each call below says
 * which of them it gives and when. */
#define KLVNDRV_DONE 1       /* finished, or the frame the call expects arrived */
#define KLVNDRV_FAILED 0     /* failure, protocol error, another letter, or the link not ready */
#define KLVNDRV_GO_ON (-1)   /* nothing yet (no frame), or a step done: call again */
#define KLVNDRV_POLL 2       /* a poll 'P' arrived (checks) */
#define KLVNDRV_ABORTED (-4) /* the gateway aborted an axis or single-word exchange with 'Z' */

/* Link states (_get_klvn_state@0, see above). */
#define KLVNDRV_STATE_NOT_CONNECTED 0
#define KLVNDRV_STATE_WAITING 1
#define KLVNDRV_STATE_OPEN_FAILED 2 /* the last open failed, or the line was lost */
#define KLVNDRV_STATE_OPENING 3
#define KLVNDRV_STATE_READY 4

/* Port errors (_get_sio_error@0, see above). */
#define KLVNDRV_SIO_NONE 0
#define KLVNDRV_SIO_PORT_HELD (-1)
#define KLVNDRV_SIO_CANNOT_OPEN (-12)
#define KLVNDRV_SIO_NO_SERIAL_PORT (-9)
#define KLVNDRV_SIO_SPEED (-8)
#define KLVNDRV_SIO_LINE_LOST (-20)

/* The error-log bit of a lost line (_get_com_errlog@0). */
#define KLVNDRV_ERRLOG_IO 0x400

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

/* ---- controller record converters ---------------------------------------------------------
 * One record of a controller's word image (the caller's array of 32-bit words, passed as the
 * address of word 0) to one comma-separated line and back. They touch neither the port nor the
 * link thread. Each touches only its record's words; the image must reach them (sizes below).
 *
 * Writers (csv_...) write the line and its NUL into `line` and return the line's length. `line`
 * holds the record's KLVNDRV_..._LINE_SIZE characters (its longest line plus the NUL); a writer
 * never writes more. Parsers (bin_...) read a NUL-terminated line into the record's words and
 * return 1, or 0 at the first syntax error: a separator that is not a comma, a field not of its
 * form, or the line ending before its last field. After an error the words keep what was stored
 * up to it. Anything after the last field (a line end, say) is ignored. A null pointer gives 0
 * and touches nothing.
 *
 * Fields are separated by single commas. Parsers read a "%2.2u" field as exactly two decimal
 * digits, "%5.5u" as exactly five, "%1.1u" as one decimal digit and "%1.1X" as one hex digit of
 * either case, and mask each value to its field's width. The first field of a word sets the word
 * afresh, so bits that no field carries come back 0. */
#define KLVNDRV_STEP_LINE_SIZE 90   /* 88 characters, 89 with a three-digit step number */
#define KLVNDRV_PRM_LINE_SIZE 32    /* always 31 characters */
#define KLVNDRV_EXPRM_LINE_SIZE 384 /* 32 x "-2147483648" and 31 commas */
#define KLVNDRV_PRM35_LINE_SIZE 60  /* always 59 characters */
#define KLVNDRV_PRM77_LINE_SIZE 84  /* 59 to 83 characters */
#define KLVNDRV_MOR_LINE_SIZE 384   /* enough for every record */
#define KLVNDRV_STEP_IMAGE_WORDS 3000

/* Step record: the three words w0, w1, w2 from word 3n of step n (0-999). With
 * C = (w0 bits 16-31) x 65536 + (w1 bits 0-15) and D = (w1 bits 16-31) x 65536 + (w2 bits 0-15),
 * each read as 16 two-bit codes from bit 0 up and written 'X' (0), '1' (1), '0' (2), '3' (3),
 * the line has 42 fields:
 *    1     step number, "%2.2u" (three digits from step 100)
 *    2     w0 bits 8-11, "%1.1X"
 *    3-7   the numbers of the set bits among w0 bits 0-7, lowest first, at most five; then 'X'
 *    8     w0 bit 12, '0' or '1'
 *    9-14  codes 1-6 of C          15     w2 bits 16-31, "%5.5u"
 *    16-21 codes 1-6 of D          22     w0 bits 13-15, "%1.1u"
 *    23-32 codes 7-16 of C         33-42  codes 7-16 of D
 * The parser reads the step number as two digits when a comma follows them, else three; a
 * bit-list slot other than '0'-'7' sets nothing, field 8 sets its bit only for '1', a code
 * character other than '1', '0', '3' is code 0, and field 22 may be empty. */

/* _csv_mor_step@12: the step line of the words from `word_index` (numbered word_index / 3; the
 * image holds word_index + 3 words). 0 and the empty line when word_index is negative or above
 * 2997: the step number would not fit three digits. */
KLVNDRV_API int32_t csv_mor_step(char *line, const uint32_t *image, int32_t word_index);
/* _bin_mor_step@8: clears the three words of the line's step, then fills them. A line may name
 * any step 0-999, so the image holds KLVNDRV_STEP_IMAGE_WORDS words. */
KLVNDRV_API int32_t bin_mor_step(const char *line, uint32_t *image);

/* prm record, words 126 and 127 (the image holds 128 words): 12 fields at fixed positions,
 * 31 characters: word 126 bits 11-15, 6-10, 1-5, 27-31, 22-26, 17-21, word 127 bits 11-15, 6-10
 * ("%2.2u" each); word 127 bits 3-5, 0-1 ("%1.1u"); word 126 bit 0, word 127 bit 2 ("%1.1X").
 * Word 126 bit 16 and word 127 bits 16-31 are not carried. The writer returns 31. */
KLVNDRV_API int32_t csv_mor_prm(char *line, const uint32_t *image);
KLVNDRV_API int32_t bin_mor_prm(const char *line, uint32_t *image);

/* ex prm record, words 93-124 (the image holds 125 words): 32 fields "%d", each the word with
 * its two 16-bit halves exchanged. The parser takes an optional sign and decimal digits; a value
 * outside the range of a signed 32-bit word is a syntax error. */
KLVNDRV_API int32_t csv_morex_prm(char *line, const uint32_t *image);
KLVNDRV_API int32_t bin_morex_prm(const char *line, uint32_t *image);

/* 35 prm record, words 300-304 (the image holds 305 words): 22 fields at fixed positions,
 * 59 characters. Sixteen bytes, four per word for words 300, 301, 302, 303, each word's in the
 * order bits 8-15, 0-7, 24-31, 16-23, "%2.2u": a byte above 99 is written as 99, so the fields
 * keep their positions.
 * Then word 304: bits 12-15 as one hex digit (0-9 as "%1.1u" writes them, 10-15 as 'A'-'F'),
 * bits 1-3 ("%1.1u"), bits 0, 5, 4, 6 ("%1.1X"). The writer returns 59. */
KLVNDRV_API int32_t csv_mor35_prm(char *line, const uint32_t *image);
KLVNDRV_API int32_t bin_mor35_prm(const char *line, uint32_t *image);

/* 77 prm record, words 768-772 (the image holds 773 words): 26 fields. Sixteen bytes of words
 * 768-771 in the order of the 35 prm record, "%2.2u" with two or three digits (read as two
 * digits when a comma follows them, else three); then the six fields of word 772 as in the
 * 35 prm record, bits 10-11 ("%1.1u"), bits 7, 8, 9 ("%1.1X"). */
KLVNDRV_API int32_t csv_mor77_prm(char *line, const uint32_t *image);
KLVNDRV_API int32_t bin_mor77_prm(const char *line, uint32_t *image);

#ifdef __cplusplus
}
#endif

#endif /* KLVNDRV_H */
