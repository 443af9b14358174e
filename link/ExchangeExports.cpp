// Exports of the command check, the response and the poll answer.
#include "CallerSide.h"
#include "Contained.h"
#include "Exchange.h"
#include "klvndrv.h"

using namespace klvn;

extern "C" {

int32_t check_command(int32_t gateway_reads, int32_t* address, int32_t* data) {
  return contained([=] { return check_word_command(0, gateway_reads, address, data); });
}

int32_t check_excommand(int32_t gateway_reads, int32_t* address, int32_t* data) {
  return contained([=] { return check_word_command(1, gateway_reads, address, data); });
}

int32_t check_command_ex(int32_t gateway_reads, int32_t* address, int32_t* data, int32_t block_type) {
  return contained([=] { return check_word_command(block_type, gateway_reads, address, data); });
}

int32_t check_ax_command(int32_t ax_type, int32_t* address, int32_t* data) {
  return contained([=] { return check_for_letter(axis_check_letter(ax_type), true, address, data); });
}

int32_t put_responce(int32_t gateway_reads, int32_t data) {
  return contained([=] { return put_word_response(0, gateway_reads, data); });
}

int32_t put_exresponce(int32_t gateway_reads, int32_t data) {
  return contained([=] { return put_word_response(1, gateway_reads, data); });
}

int32_t put_responce_ex(int32_t gateway_reads, int32_t data, int32_t block_type) {
  return contained([=] { return put_word_response(block_type, gateway_reads, data); });
}

int32_t put_ax_responce(int32_t ax_type, int32_t data) {
  return contained(
      [=] { return put_response(axis_response_letter(ax_type), static_cast<uint32_t>(data)); });
}

int32_t exec_poll_answer(int32_t* poll_data, int32_t request_code) {
  return contained([=] {
    // A link that cannot serve is a failure, not "nothing yet": callers repeat on GO_ON.
    if (!poll_data || !is_link_ready()) return KLVNDRV_FAILED;
    if (wait_poll_command(poll_data) != KLVNDRV_POLL) return KLVNDRV_GO_ON;
    return put_poll_answer(request_code);
  });
}

}  // extern "C"
